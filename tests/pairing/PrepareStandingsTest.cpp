#include "pairing/PrepareStandings.h"
#include "pairing/Random.h"
#include "support/SimulatedTournament.h"
#include "support/TournamentTest.h"

#include <gtest/gtest.h>

namespace
{
class PrepareStandings : public CTournamentTest
{
protected:
    // Participants 2..last with no games; higher index, higher rating, so the order is
    // last, last-1, ..., 2.
    void AddRatedParticipants(int last)
    {
        m_Tournament.ResetToReservedRecords();
        AddParticipants(m_Tournament, last);
        for (int index = 2; index <= last; ++index)
            Record(index).m_Elo = 1000 + index;
    }

    int AtPosition(std::size_t position) const { return m_Tournament.m_Order[position]; }
};

TEST_F(PrepareStandings, EightPresentGiveWindowSixAndAlternatingCandidates)
{
    AddRatedParticipants(9);
    SeedRandom(1);
    ::PrepareStandings(m_Tournament);
    EXPECT_EQ(m_Tournament.m_Window, 6u);
    EXPECT_EQ(m_Tournament.m_Order, (std::vector<int>{0, 1, 9, 8, 7, 6, 5, 4, 3, 2}));
    // Position 4: window from positions 5, 3, 6, 2, 7, 8, then the extension below reaches 9.
    const std::vector<int> expected{AtPosition(5), AtPosition(3), AtPosition(6), AtPosition(2),
                                    AtPosition(7), AtPosition(8), AtPosition(9)};
    EXPECT_EQ(CandidatesOf(m_Tournament, Record(AtPosition(4))), expected);
    EXPECT_EQ(m_Tournament.m_ScoreCount, std::vector<int>{8});
    EXPECT_EQ(Record(ByeRecord).m_Place, 20);
}

// Enough participants that the sort leaves small-range insertion behind: ties must still come
// out in index order, whatever the standard library.
TEST_F(PrepareStandings, ParticipantsEqualOnEveryKeyStandInIndexOrder)
{
    struct CField
    {
        const char* m_Case;
        int m_Last;
        int (*m_Rating)(int index);
    };
    const std::vector<CField> fields = {
        {"all unrated", 60, [](int) { return 0; }},
        {"three ratings", 60, [](int index) { return 1000 + 100 * (index % 3); }},
    };
    for (const CField& field : fields)
    {
        SCOPED_TRACE(field.m_Case);
        AddRatedParticipants(field.m_Last);
        for (int index = 2; index <= field.m_Last; ++index)
            Record(index).m_Elo = field.m_Rating(index);
        SeedRandom(1);
        ::PrepareStandings(m_Tournament);
        for (std::size_t position = 3; position < m_Tournament.m_Order.size(); ++position)
        {
            const int before = AtPosition(position - 1);
            const int after = AtPosition(position);
            if (Record(before).m_Elo == Record(after).m_Elo)
                EXPECT_LT(before, after) << "position " << position;
            else
                EXPECT_GT(Record(before).m_Elo, Record(after).m_Elo) << "position " << position;
        }
    }
}

TEST_F(PrepareStandings, ExtensionsStopAtTheFirstScoreTooFarAway)
{
    AddRatedParticipants(27);
    // Round 1: the top half wins. Scores: 2 for 15..27 (13 players), 0 for 2..14.
    for (int white = 15; white <= 27; ++white)
        RecordGame(m_Tournament, white, white - 13, 1, 2);
    SeedRandom(1);
    ::PrepareStandings(m_Tournament);
    ASSERT_EQ(m_Tournament.m_Window, 20u);
    // The leader: positions 3 to 22 fill the window; the extension below then meets 0 points
    // at once (2 - 1 > 0), so nothing more.
    EXPECT_EQ(Record(AtPosition(2)).m_Candidates.size(), 20u);
    // Position 14 has twelve winners above and everybody below within reach: 20 nearest
    // (positions 15..24 below, 13..4 above), then below 25..27 none (0 < 2 - 1), above 3, 2.
    const auto middle = CandidatesOf(m_Tournament, Record(AtPosition(14)));
    ASSERT_EQ(middle.size(), 22u);
    EXPECT_EQ(middle[20], AtPosition(3));
    EXPECT_EQ(middle[21], AtPosition(2));
}

TEST_F(PrepareStandings, AbsentParticipantsKeepPositionsAndUseUpTurns)
{
    AddRatedParticipants(11);
    Record(9).m_Absent = true; // position 4
    Record(6).m_Absent = true; // position 7
    SeedRandom(1);
    ::PrepareStandings(m_Tournament);
    // Eight present real participants: window min(20, 8 - 2).
    EXPECT_EQ(m_Tournament.m_Window, 6u);
    EXPECT_EQ(AtPosition(4), 9);
    EXPECT_EQ(Record(9).m_Place, 2 * 12);
    EXPECT_TRUE(Record(9).m_Candidates.empty());
    EXPECT_EQ(Record(10).m_Place, 3);
    EXPECT_EQ(Record(8).m_Place, 5);
    // Position 5 (record 8): below 6 (rec 7), above 4 absent, below 7 absent, above 3 (rec 10),
    // below 8 (rec 5), above 2 (rec 11), below 9 (rec 4), below 10 (rec 3); then 11 (rec 2).
    EXPECT_EQ(CandidatesOf(m_Tournament, Record(8)), (std::vector<int>{7, 10, 5, 11, 4, 3, 2}));
    EXPECT_EQ(Record(PlaceholderRecord).m_Pairing.m_Opponent, Record(9).m_Pairing.m_Opponent);
    EXPECT_FALSE(Record(9).m_Pairing.m_White);
    EXPECT_EQ(Record(9).m_Pairing.m_Cost, 0.0);
}

TEST_F(PrepareStandings, FloatsAfterAByeAndAfterAnAbsence)
{
    AddRatedParticipants(7);
    // Round 1: 2 beats 3, 4 beats 5, 6 beats 7. Round 2: 2 gets the bye, 4 was absent, 6 and 3
    // draw. Round 3: 2 beats 6 (2 had 4 points, 6 had 3), 5 and 7 draw.
    RecordGame(m_Tournament, 2, 3, 1, 2);
    RecordGame(m_Tournament, 4, 5, 1, 2);
    RecordGame(m_Tournament, 6, 7, 1, 2);
    RecordGame(m_Tournament, 2, ByeRecord, 2, 2);
    RecordGame(m_Tournament, 6, 3, 2, 1);
    RecordGame(m_Tournament, 5, 7, 2, 1);
    RecordGame(m_Tournament, 2, 6, 3, 2);
    RecordGame(m_Tournament, 5, 7, 3, 1);
    SeedRandom(1);
    ::PrepareStandings(m_Tournament);

    // 2: round 2 a bye with 2 points (down), round 3 against 6 with 4 against 3 (down).
    EXPECT_EQ(Record(2).m_PrevFloat, 1);
    EXPECT_EQ(Record(2).m_LastFloat, 1);
    EXPECT_EQ(Record(2).m_Points, 6);
    EXPECT_EQ(Record(2).m_WhiteGames, 2);
    EXPECT_EQ(Record(2).m_LastColour, 1);
    EXPECT_EQ(Record(2).m_PrevColour, 1);
    // 4: no game in rounds 2 and 3 with 2 points: down both times, the placeholder having 0.
    EXPECT_EQ(Record(4).m_PrevFloat, 1);
    EXPECT_EQ(Record(4).m_LastFloat, 1);
    EXPECT_EQ(Record(4).m_History.size(), 3u);
    EXPECT_EQ(Record(4).m_LastColour, 1);
    EXPECT_EQ(Record(4).m_PrevColour, 2);
    // 6: round 3 against 2, 3 points against 4: up; round 2 against 3, 2 against 0: down.
    EXPECT_EQ(Record(6).m_LastFloat, -1);
    EXPECT_EQ(Record(6).m_PrevFloat, 1);
    // 3 met 2 (6 points) and 6 (3 points): 9 half points in 2 games is 2.25 points.
    EXPECT_EQ(Record(3).m_OppAverage, 2.25);
    // The bye counts as a game against 0 points for the average of 2: (1 + 0 + 3) / 2 / 3.
    EXPECT_EQ(Record(2).m_OppAverage, 4.0 / 6.0);
    EXPECT_EQ(m_Tournament.m_ScoreCount.size(), 7u);
}

TEST_F(PrepareStandings, OddFieldLastIndexTakesTheByeAndDrawsAreCounted)
{
    AddRatedParticipants(4);
    SeedRandom(1);
    ::PrepareStandings(m_Tournament);
    // Draws 41 and 18467 colour the pairs 2-3 and 4-bye; 6334, 26500 and 19169 pick j = 3, 3
    // and 4, none of which allows an exchange.
    EXPECT_EQ(Record(2).m_Pairing.m_Opponent, 3);
    EXPECT_TRUE(Record(2).m_Pairing.m_White);
    EXPECT_EQ(Record(4).m_Pairing.m_Opponent, ByeRecord);
    EXPECT_EQ(Record(ByeRecord).m_Pairing.m_Opponent, 4);
    EXPECT_FALSE(Record(ByeRecord).m_Pairing.m_White);
    EXPECT_EQ(DrawRandom(), 15724);
}

TEST_F(PrepareStandings, RandomExchangesDrawTwoMoreNumbersEach)
{
    AddRatedParticipants(5);
    SeedRandom(1);
    ::PrepareStandings(m_Tournament);
    // Two pairs, four indices, three exchanges (at i = 2, 3 and 5): 2 + 4 + 6 draws.
    EXPECT_EQ(Record(2).m_Pairing.m_Opponent, 3);
    EXPECT_FALSE(Record(2).m_Pairing.m_White);
    EXPECT_TRUE(Record(3).m_Pairing.m_White);
    EXPECT_EQ(Record(4).m_Pairing.m_Opponent, 5);
    EXPECT_TRUE(Record(4).m_Pairing.m_White);
    EXPECT_FALSE(Record(5).m_Pairing.m_White);
    const int next = DrawRandom();
    SeedRandom(1);
    for (int k = 0; k < 12; ++k)
        DrawRandom();
    EXPECT_EQ(next, DrawRandom());
    for (int index = 2; index <= 5; ++index)
        EXPECT_GT(Record(index).m_Pairing.m_Cost, 0.0) << index;
}

TEST_F(PrepareStandings, SinglePresentParticipantHasNoCandidatesAndTheBye)
{
    AddRatedParticipants(4);
    Record(2).m_Absent = true;
    Record(4).m_Absent = true;
    ::PrepareStandings(m_Tournament);
    EXPECT_EQ(m_Tournament.m_Window, 20u); // the cap wrapped, so it does not apply
    EXPECT_TRUE(Record(3).m_Candidates.empty());
    EXPECT_EQ(Record(3).m_Pairing.m_Opponent, ByeRecord);
}

TEST_F(PrepareStandings, TwoPresentParticipantsHaveAWindowOfZero)
{
    AddRatedParticipants(3);
    ::PrepareStandings(m_Tournament);
    EXPECT_EQ(m_Tournament.m_Window, 0u);
    EXPECT_EQ(CandidatesOf(m_Tournament, Record(2)), std::vector<int>{3});
    EXPECT_EQ(CandidatesOf(m_Tournament, Record(3)), std::vector<int>{2});
}

TEST_F(PrepareStandings, WindowGrowsWithRounds)
{
    AddRatedParticipants(61);
    for (int round = 1; round <= 15; ++round)
        for (int white = 2; white <= 60; white += 2)
            RecordGame(m_Tournament, white, white + 1, round, 1);
    ::PrepareStandings(m_Tournament);
    EXPECT_EQ(m_Tournament.m_Window, 22u);
}
} // namespace

namespace
{
// The candidate list walked position by position, the way the rule reads: the window's nearest
// present participants in turns below and above (an absent position uses up its turn), then the
// present ones further below and further above while within half a point.
std::vector<int> CandidatesByTheRule(const CVantor& tournament, std::size_t position)
{
    const auto& order = tournament.m_Order;
    const auto at = [&](std::size_t p) -> const CParticipant&
    { return tournament.m_Participants[static_cast<std::size_t>(order[p])]; };
    std::vector<int> list;
    std::size_t below = position + 1;
    std::size_t above = position - 1;
    const auto take = [&](std::size_t p)
    {
        if (!at(p).m_Absent)
            list.push_back(order[p]);
    };
    while (list.size() < tournament.m_Window && (below < order.size() || above >= 2))
    {
        if (below < order.size())
            take(below++);
        if (list.size() == tournament.m_Window)
            break;
        if (above >= 2)
            take(above--);
    }
    const int points = at(position).m_Points;
    for (; below < order.size() && at(below).m_Points >= points - 1; ++below)
        take(below);
    for (; above >= 2 && at(above).m_Points <= points + 1; --above)
        take(above);
    return list;
}
} // namespace

// A field of 7000 keeps the nearest as bits (too large a list to stay in the caches); every
// 13th position is walked there.
TEST(CandidateLists, AgreeWithTheRuleInFieldsWithAbsences)
{
    struct CField
    {
        int m_Participants;
        int m_Rounds;
        std::size_t m_Stride;
        bool m_NearestAsBits;
    };
    for (const CField& field : {CField{9, 1, 1, false}, CField{60, 5, 1, false},
                                CField{301, 9, 1, false}, CField{7000, 9, 13, true}})
    {
        CVantor tournament;
        StartField(tournament, field.m_Participants);
        BuildHistory(tournament, field.m_Rounds);
        tournament.m_Participants[7].m_Absent = true;
        SeedRandom(1);
        ::PrepareStandings(tournament);
        for (std::size_t position = 2; position < tournament.m_Order.size();
             position += field.m_Stride)
        {
            const CParticipant& participant =
                tournament.m_Participants[static_cast<std::size_t>(tournament.m_Order[position])];
            const std::vector<int> expected = participant.m_Absent
                                                  ? std::vector<int>{}
                                                  : CandidatesByTheRule(tournament, position);
            ASSERT_EQ(CandidatesOf(tournament, participant), expected)
                << field.m_Participants << " participants, position " << position;
            if (!participant.m_Absent)
            {
                ASSERT_EQ(participant.m_Candidates.m_NearestAsBits, field.m_NearestAsBits);
            }
        }
    }
}
