#include "pairing/PairingCost.h"
#include "pairing/CostTerms.h"
#include "support/TournamentTest.h"

#include <gtest/gtest.h>

namespace
{
// A tournament of twelve records whose standings fields are set by hand, so that each term of
// the cost can be checked against the worked figures.
class PairingCost : public CTournamentTest
{
protected:
    void SetUp() override
    {
        m_Tournament.ResetToReservedRecords();
        AddParticipants(m_Tournament, 11);
        m_Tournament.m_ScoreCount = {2, 1, 3, 2, 4, 1, 1, 0, 0};
    }

    // The standings fields are set by hand, so the cost terms are worked out afresh each time.
    double Evaluate(CParticipant& participant)
    {
        PrepareCostTerms(m_Tournament);
        return EvaluateParticipant(m_Tournament, participant);
    }

    // Six half points, four rounds with two White and two Black games, no floats.
    void MakeByeCandidate(int index)
    {
        CParticipant& p = Record(index);
        p.m_Points = 6;
        p.m_Place = 9;
        p.m_WhiteGames = 2;
        p.m_BlackGames = 2;
        p.m_LastColour = 1;
        p.m_PrevColour = 0;
        p.m_History.assign(4, CRoundEntry{3, 2, true});
    }
};

TEST_F(PairingCost, WorkedExampleWithColourRankBonusAndFloat)
{
    CParticipant& p = Record(2);
    p.m_Points = 4;
    p.m_WhiteGames = 2;
    p.m_BlackGames = 1;
    p.m_LastColour = 1;
    p.m_PrevColour = 0;
    p.m_LastFloat = 0;
    p.m_PrevFloat = 1;
    p.m_Place = 3;
    Record(3).m_Points = 2;
    Record(3).m_Place = 8;
    Pair(2, 3, true);

    const double cost = Evaluate(p);
    EXPECT_NEAR(cost, 164.2986, 1e-4);
    EXPECT_DOUBLE_EQ(cost, 34.0 - 0.01 + 100.0 + 30.0 + 25.0 / 81.0);
    EXPECT_EQ(p.m_Pairing.m_Cost, cost);
}

TEST_F(PairingCost, ByeAsWhiteAsBlackAndAfterARoundWithoutGame)
{
    MakeByeCandidate(2);
    Pair(2, ByeRecord, true);
    EXPECT_EQ(Evaluate(Record(2)), 9003.0);

    Pair(2, ByeRecord, false);
    EXPECT_EQ(Evaluate(Record(2)), 9043.0);

    Record(2).m_BlackGames = 1; // three games in four rounds
    EXPECT_EQ(Evaluate(Record(2)), 99999.9 + 40.0 + 9000.0 + 3.0);
    EXPECT_EQ(Record(ByeRecord).m_Pairing.m_Cost, 0.0);
}

TEST_F(PairingCost, PlaceTermWithinAScoreGroupOfEight)
{
    m_Tournament.m_ScoreCount = {8};
    for (int index : {2, 3, 4})
        Record(index).m_LastColour = 2;
    Record(2).m_Place = 2;
    Record(3).m_Place = 6;
    Record(4).m_Place = 3;

    // Without any game yet only the colour difference counts, equally for both colours.
    Pair(2, 3, true);
    EXPECT_EQ(Evaluate(Record(2)), 8.0);
    Pair(2, 4, false);
    EXPECT_EQ(Evaluate(Record(2)), 8.0 + 0.5625);
}

TEST_F(PairingCost, ARepeatedMeetingIsPaidOnce)
{
    Record(2).m_LastColour = 2;
    Record(2).m_Place = 2;
    Record(3).m_Place = 3;
    m_Tournament.m_ScoreCount = {2};
    Pair(2, 3, true);
    const double fresh = Evaluate(Record(2));
    Record(2).m_History = {{3, 0, true}, {3, 0, true}};
    Record(2).m_WhiteGames = 2;
    Record(2).m_LastColour = 1;
    Record(2).m_PrevColour = 1;
    const double twice = Evaluate(Record(2));
    // Two White games before: own = 40 + 8 * 3², other = 2 + 8 * 1²; the place term is 0.
    EXPECT_EQ(fresh, 8.0 + 0.0);
    EXPECT_EQ(twice, 99999.9 + 40.0 + 72.0);
}

TEST_F(PairingCost, FloatRepetitionsAreChargedByDirection)
{
    Record(2).m_Points = 3;
    Record(2).m_Place = 2;
    Record(3).m_Points = 2;
    Record(3).m_Place = 4;
    Pair(2, 3, true);
    const auto costFor = [&](int last, int previous)
    {
        Record(2).m_LastFloat = last;
        Record(2).m_PrevFloat = previous;
        return Evaluate(Record(2));
    };
    const double base = costFor(0, 0);
    EXPECT_EQ(costFor(1, 1) - base, 200.0);
    EXPECT_EQ(costFor(1, 0) - base, 60.0);
    EXPECT_EQ(costFor(1, -1) - base, 60.0);
    EXPECT_EQ(costFor(0, 1) - base, 30.0);
    EXPECT_EQ(costFor(-1, 1), base);
    EXPECT_EQ(costFor(0, -1), base);
}

TEST_F(PairingCost, TotalSumsRecordsFromTwoAndSkipsTheByeRecord)
{
    Record(ByeRecord).m_Pairing.m_Cost = 1000.0;
    Record(PlaceholderRecord).m_Pairing.m_Cost = 1000.0;
    for (int index = 2; index <= 11; ++index)
        Record(index).m_Pairing.m_Cost = index * 0.5;
    EXPECT_EQ(TotalCost(m_Tournament), 32.5);
}
} // namespace
