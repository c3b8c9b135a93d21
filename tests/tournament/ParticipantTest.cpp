#include "pairing/CostTerms.h"
#include "support/TournamentBuilder.h"

#include <gtest/gtest.h>

namespace
{
std::vector<int> Opponents(const CParticipant& participant)
{
    std::vector<int> opponents;
    for (const CRoundEntry& entry : participant.m_History)
        opponents.push_back(entry.m_Opponent);
    return opponents;
}
} // namespace

TEST(GetIndex, ReservedNamesComeFirstAndNewNamesFollow)
{
    CVantor tournament;
    EXPECT_EQ(tournament.GetIndex(PlaceholderName), 0);
    EXPECT_EQ(tournament.GetIndex(ByeName), 1);
    EXPECT_EQ(tournament.GetIndex("Alpha"), 2);
    EXPECT_EQ(tournament.GetIndex("Alpha"), 2);
    EXPECT_EQ(tournament.m_Participants[2].m_Name, "Alpha");
}

TEST(GetIndex, NamesDifferingInCaseOrTrailingBlankAreDifferentParticipants)
{
    CVantor tournament;
    tournament.ResetToReservedRecords();
    const int alpha = tournament.GetIndex("Alpha");
    EXPECT_NE(tournament.GetIndex("alpha"), alpha);
    EXPECT_NE(tournament.GetIndex("Alpha "), alpha);
    EXPECT_EQ(tournament.GetIndex(""), 5);
    EXPECT_EQ(tournament.m_Participants.size(), 6u);
}

TEST(SetResult, RoundZeroAppendsTheNextRound)
{
    CParticipant participant;
    participant.SetResult(7, 0, true, 2);
    ASSERT_EQ(participant.m_History.size(), 1u);
    participant.SetResult(8, 3, false, 1);
    participant.SetResult(9, 0, false, 0);
    EXPECT_EQ(Opponents(participant), (std::vector<int>{7, 0, 8, 9}));
    EXPECT_EQ(participant.m_History[3].m_Points, 0);
    EXPECT_FALSE(participant.m_History[3].m_White);
}

TEST(SetResult, SkippedRoundsBecomeFillEntries)
{
    CParticipant participant;
    participant.SetResult(3, 1, false, 1);
    participant.SetResult(4, 2, false, 1);
    participant.SetResult(5, 5, false, 2);
    EXPECT_EQ(Opponents(participant), (std::vector<int>{3, 4, 0, 0, 5}));
    for (const std::size_t fill : {2u, 3u})
    {
        EXPECT_EQ(participant.m_History[fill].m_Points, 0);
        EXPECT_TRUE(participant.m_History[fill].m_White);
    }
}

TEST(SetResult, AnEarlierRoundIsOverwrittenInPlace)
{
    CParticipant participant;
    for (int round = 1; round <= 3; ++round)
        participant.SetResult(round + 10, round, true, 1);
    participant.SetResult(42, 1, false, 2);
    EXPECT_EQ(Opponents(participant), (std::vector<int>{42, 12, 13}));
    EXPECT_EQ(participant.m_History[0].m_Points, 2);
    EXPECT_FALSE(participant.m_History[0].m_White);
}

TEST(SetResult, NegativeRoundStoresNothing)
{
    CParticipant participant;
    participant.SetResult(3, 1, true, 2);
    participant.SetResult(4, -1, true, 2);
    participant.SetResult(4, -2147483647 - 1, true, 2);
    EXPECT_EQ(Opponents(participant), (std::vector<int>{3}));
}

TEST(HasPlayed, ByesAndFillEntriesCountAsOpponents)
{
    CVantor tournament;
    tournament.ResetToReservedRecords();
    AddParticipants(tournament, 5);
    CParticipant& participant = tournament.m_Participants[2];
    const auto hasPlayed = [&tournament](int opponent)
    {
        PrepareCostTerms(tournament);
        return HasPlayed(tournament.m_CostTerms, tournament.m_CostTerms.m_Records[2], 2, opponent);
    };
    EXPECT_FALSE(hasPlayed(0));
    participant.SetResult(ByeRecord, 1, true, 2);
    participant.SetResult(5, 3, true, 2);
    EXPECT_TRUE(hasPlayed(ByeRecord));
    EXPECT_TRUE(hasPlayed(PlaceholderRecord)); // round 2 had no game
    EXPECT_TRUE(hasPlayed(5));
    EXPECT_FALSE(hasPlayed(6));
    EXPECT_FALSE(hasPlayed(5 + 64)); // another opponent with the same bit of the quick look
}
