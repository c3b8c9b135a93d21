#include "pairing/ExchangeOpponents.h"
#include "pairing/CostTerms.h"
#include "pairing/PairingCost.h"
#include "support/TournamentTest.h"

#include <gtest/gtest.h>

namespace
{
bool SameState(const CPairingState& left, const CPairingState& right)
{
    return left.m_Opponent == right.m_Opponent && left.m_White == right.m_White &&
           left.m_Cost == right.m_Cost;
}

// Seven participants with varied scores and histories, paired 2-3, 4-5, 6-7 and 8 with the bye.
class ExchangeOpponents : public CTournamentTest
{
protected:
    void SetUp() override
    {
        m_Tournament.ResetToReservedRecords();
        AddParticipants(m_Tournament, 8);
        const int points[] = {0, 0, 6, 5, 4, 4, 3, 2, 1};
        for (int index = 2; index <= 8; ++index)
        {
            CParticipant& p = Record(index);
            p.m_Points = points[index];
            p.m_Place = index;
            p.m_WhiteGames = index % 2 + 1;
            p.m_BlackGames = 2 - index % 2;
            p.m_LastColour = index % 2;
            p.m_PrevColour = 1;
            p.m_LastFloat = index % 3 - 1;
            p.m_History.assign(3, CRoundEntry{index == 8 ? 2 : 8, 1, true});
        }
        m_Tournament.m_ScoreCount = {0, 1, 1, 1, 2, 1, 1};
        Pair(2, 3, true);
        Pair(4, 5, false);
        Pair(6, 7, true);
        Pair(8, ByeRecord, true);
        PrepareCostTerms(m_Tournament);
        for (int index = 2; index <= 8; ++index)
            EvaluateParticipant(m_Tournament, Record(index));
    }

    std::vector<CPairingState> States() const
    {
        std::vector<CPairingState> states;
        for (const CParticipant& p : m_Tournament.m_Participants)
            states.push_back(p.m_Pairing);
        return states;
    }
};

TEST_F(ExchangeOpponents, SwapsOpponentsAndReportsTheChangeOfTheTotal)
{
    const double before = TotalCost(m_Tournament);
    const double change = ::ExchangeOpponents(m_Tournament, 2, 4, false, true, nullptr);
    EXPECT_EQ(Record(2).m_Pairing.m_Opponent, 5);
    EXPECT_EQ(Record(5).m_Pairing.m_Opponent, 2);
    EXPECT_EQ(Record(4).m_Pairing.m_Opponent, 3);
    EXPECT_EQ(Record(3).m_Pairing.m_Opponent, 4);
    // a = 2 kept White, so its new opponent 5 takes Black; b = 4 adapts to its new opponent 3.
    EXPECT_TRUE(Record(2).m_Pairing.m_White);
    EXPECT_FALSE(Record(5).m_Pairing.m_White);
    EXPECT_FALSE(Record(3).m_Pairing.m_White);
    EXPECT_TRUE(Record(4).m_Pairing.m_White);
    EXPECT_NEAR(TotalCost(m_Tournament), before + change, 1e-9);
}

TEST_F(ExchangeOpponents, UndoRestoresEveryStateAndTheTotalExactly)
{
    const auto statesBefore = States();
    const double totalBefore = TotalCost(m_Tournament);
    for (const auto& [a, b] : {std::pair{2, 6}, std::pair{3, 8}, std::pair{8, 5}})
    {
        for (int flags = 0; flags < 4; ++flags)
        {
            CExchangeUndo undo;
            ::ExchangeOpponents(m_Tournament, a, b, flags & 1, flags & 2, &undo);
            UndoExchange(m_Tournament, undo);
            const auto statesAfter = States();
            for (std::size_t index = 0; index < statesAfter.size(); ++index)
                EXPECT_TRUE(SameState(statesAfter[index], statesBefore[index])) << index;
            EXPECT_EQ(TotalCost(m_Tournament), totalBefore);
        }
    }
}

TEST_F(ExchangeOpponents, TheByeMovesToTheOtherParticipantAndIsCostedAsABye)
{
    // b = 8 holds the bye, so a = 3 takes it and 8 takes a's former opponent 2.
    const double change = ::ExchangeOpponents(m_Tournament, 3, 8, true, false, nullptr);
    EXPECT_EQ(Record(3).m_Pairing.m_Opponent, ByeRecord);
    EXPECT_EQ(Record(ByeRecord).m_Pairing.m_Opponent, 3);
    EXPECT_EQ(Record(8).m_Pairing.m_Opponent, 2);
    // a adapted to the bye record's colour (Black, since 8 had the bye as White).
    EXPECT_TRUE(Record(3).m_Pairing.m_White);
    EXPECT_EQ(Record(ByeRecord).m_Pairing.m_Cost, 0.0);

    // Case A, by hand: no round without a game, White, 250 * 5², no repeated float, and the
    // rank term 9 records - place 3.
    const double expected = 0.0 + 250.0 * 25.0 + 0.0 + 1.0 * (9 - 3);
    EXPECT_EQ(Record(3).m_Pairing.m_Cost, expected);
    EXPECT_NE(change, 0.0);
}
} // namespace
