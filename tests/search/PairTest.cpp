#include "search/Pair.h"
#include "pairing/PairingCost.h"
#include "pairing/PrepareStandings.h"
#include "pairing/Random.h"
#include "search/PairingSearch.h"
#include "support/PairingChecks.h"
#include "support/SimulatedTournament.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <sstream>

namespace
{
CParticipant& RecordOf(CVantor& tournament, int index)
{
    return tournament.m_Participants[static_cast<std::size_t>(index)];
}

struct CPairOutcome
{
    std::string m_Text;
    std::string m_Console;
    std::int64_t m_Moves = 0;
};

CPairOutcome PairAndCapture(CVantor& tournament)
{
    CPairOutcome outcome;
    std::ostringstream console;
    outcome.m_Moves = PairNextRound(tournament, outcome.m_Text, console);
    outcome.m_Console = console.str();
    return outcome;
}

void SetAllWeights(CParameters& weights, double value)
{
    for (const auto& [word, weight] : WeightFields)
        weights.*weight = value;
}

CPairingSearch PreparedSearch(CVantor& tournament)
{
    SeedRandom(1);
    PrepareStandings(tournament);
    return CPairingSearch(tournament);
}

TEST(PairingSearch, SetUpFiguresFollowTheFieldAndTheWindow)
{
    CVantor thirty;
    StartField(thirty, 28);
    const CPairingSearch search = PreparedSearch(thirty);
    EXPECT_EQ(thirty.m_Window, 20u);
    EXPECT_EQ(search.StopLimit(), 50000);
    EXPECT_EQ(search.ColourFlipShare(), 50);
    EXPECT_EQ(search.ColourFlipGate(), 136.0);

    CVantor hundred;
    StartField(hundred, 98);
    EXPECT_EQ(PreparedSearch(hundred).AdaptationPeriod(), 56);

    CVantor nine;
    StartField(nine, 9);
    const CPairingSearch small = PreparedSearch(nine);
    EXPECT_EQ(nine.m_Window, 7u);
    EXPECT_EQ(small.ColourFlipShare(), 142);
}

TEST(PairingSearch, AChangeEqualToTheThresholdIsRejected)
{
    // All weights 0: the threshold is 0 and every move changes the total by exactly 0, so every
    // move is rejected and the run ends after exactly the stop limit of moves.
    CVantor tournament;
    StartField(tournament, 6);
    SetAllWeights(tournament.m_Parameters, 0.0);
    const CPairOutcome outcome = PairAndCapture(tournament);
    EXPECT_EQ(outcome.m_Moves, 50 * 8 * 4 + 20000);
    EXPECT_TRUE(IsCompletePairing(tournament));
}

TEST(PairingSearch, MovesThatNeverChangeTheTotalStillEnd)
{
    // With a positive threshold every zero change is accepted and no rejection is ever counted.
    CVantor tournament;
    StartField(tournament, 6);
    SetAllWeights(tournament.m_Parameters, 0.0);
    tournament.m_Parameters.m_PairRepeated = 1.0;
    const CPairOutcome outcome = PairAndCapture(tournament);
    EXPECT_EQ(outcome.m_Moves, 100 * (50 * 8 * 4 + 20000));
    EXPECT_TRUE(IsCompletePairing(tournament));
}

TEST(PairingSearch, WithoutANewBestThePairingInHandIsWritten)
{
    // A negative weight for repeated pairings puts the bound and the threshold below anything
    // a move can reach: no move is accepted and no best is ever stored.
    CVantor tournament;
    StartField(tournament, 11);
    tournament.m_Parameters.m_PairRepeated = -1000.0;
    const CPairOutcome outcome = PairAndCapture(tournament);
    EXPECT_TRUE(IsCompletePairing(tournament));
    std::size_t boards = 0;
    for (auto at = outcome.m_Text.find("[Round "); at != std::string::npos;
         at = outcome.m_Text.find("[Round ", at + 1))
        ++boards;
    EXPECT_EQ(boards, 6u);
}

TEST(PairingSearch, SameTournamentAndSeedGiveTheSameText)
{
    CPairOutcome outcomes[2];
    for (CPairOutcome& outcome : outcomes)
    {
        CVantor tournament;
        StartField(tournament, 40);
        BuildHistory(tournament, 3);
        tournament.m_Parameters.m_Seed = 77;
        tournament.m_Parameters.m_Debug = true;
        outcome = PairAndCapture(tournament);
    }
    EXPECT_EQ(outcomes[0].m_Text, outcomes[1].m_Text);
    EXPECT_EQ(outcomes[0].m_Console, outcomes[1].m_Console);
    EXPECT_EQ(outcomes[0].m_Text.rfind("{", 0), 0u);
}

TEST(PairingSearch, NineRoundsOfThirtyNeverRepeatAPairingOrABye)
{
    CVantor tournament;
    StartField(tournament, 29);
    std::set<std::pair<int, int>> met;
    std::set<int> hadBye;
    for (int round = 1; round <= 9; ++round)
    {
        tournament.m_Participants[5].m_Absent = round == 4;
        PairAndCapture(tournament);
        ASSERT_TRUE(IsCompletePairing(tournament)) << "round " << round;
        for (int index = 2; index < 31; ++index)
        {
            const CParticipant& participant = RecordOf(tournament, index);
            const int opponent = participant.m_Pairing.m_Opponent;
            if (participant.m_Absent)
                continue;
            if (opponent == ByeRecord)
            {
                EXPECT_TRUE(hadBye.insert(index).second) << index << " second bye";
            }
            else if (index < opponent)
            {
                EXPECT_TRUE(met.insert({index, opponent}).second)
                    << index << " meets " << opponent << " again in round " << round;
            }
        }
        PlayPairedRound(tournament, round);
    }
}

TEST(PairingSearch, ClosingLinesNameFirstAndThirdPlace)
{
    CVantor tournament;
    StartField(tournament, 10);
    const CPairOutcome outcome = PairAndCapture(tournament);
    const auto& order = tournament.m_Order;
    const std::string expectedNames =
        RecordOf(tournament, order[2]).m_Name + " " + RecordOf(tournament, order[4]).m_Name + "\n";
    ASSERT_EQ(outcome.m_Console.rfind(expectedNames, 0), 0u) << outcome.m_Console;
    const std::string change = outcome.m_Console.substr(expectedNames.size());
    EXPECT_EQ(change.back(), '\n');
    EXPECT_EQ(change.find("nan"), std::string::npos);
}

TEST(PairingSearch, ClosingLinesWithMissingOrAbsentPlacesReportNoChange)
{
    CVantor two;
    StartField(two, 2);
    const CPairOutcome missing = PairAndCapture(two);
    EXPECT_EQ(missing.m_Console, RecordOf(two, two.m_Order[2]).m_Name + " \n0\n"); // no position 4

    CVantor withAbsentLeader;
    StartField(withAbsentLeader, 8);
    withAbsentLeader.m_Participants[2].m_Absent = true; // the highest rating
    const CPairOutcome absent = PairAndCapture(withAbsentLeader);
    EXPECT_EQ(absent.m_Console, "Player 1 Player 3\n0\n");
    EXPECT_TRUE(IsCompletePairing(withAbsentLeader));
}

TEST(PairingSearch, EmptyAndSingleFields)
{
    CVantor empty;
    StartField(empty, 0);
    EXPECT_EQ(PairAndCapture(empty).m_Text, "");

    CVantor single;
    StartField(single, 3);
    single.m_Participants[2].m_Absent = true;
    single.m_Participants[4].m_Absent = true;
    const CPairOutcome outcome = PairAndCapture(single);
    EXPECT_EQ(single.m_Participants[3].m_Pairing.m_Opponent, ByeRecord);
    EXPECT_NE(outcome.m_Text.find("[Black \"BYE\"]"), std::string::npos);
    EXPECT_EQ(outcome.m_Moves, 0);
}

// The cheapest total over every way to pair `members` (with the bye record when their number
// is odd) and every colour choice, found by trying all orders of the members.
double CheapestByBruteForce(CVantor& tournament, std::vector<int> members)
{
    if (members.size() % 2 == 1)
        members.push_back(ByeRecord);
    std::sort(members.begin(), members.end());
    double cheapest = 1e300;
    do
    {
        for (unsigned colours = 0; colours < (1u << (members.size() / 2)); ++colours)
        {
            for (std::size_t k = 0; k + 1 < members.size(); k += 2)
            {
                const bool white = (colours >> (k / 2) & 1u) != 0;
                RecordOf(tournament, members[k]).m_Pairing = {members[k + 1], white, 0.0};
                RecordOf(tournament, members[k + 1]).m_Pairing = {members[k], !white, 0.0};
            }
            for (const int member : members)
                if (member != ByeRecord)
                    EvaluateParticipant(tournament, RecordOf(tournament, member));
            cheapest = std::min(cheapest, TotalCost(tournament));
        }
    } while (std::next_permutation(members.begin(), members.end()));
    return cheapest;
}

TEST(PairingSearch, SmallFieldsGetTheCheapestPairing)
{
    for (int playing = 2; playing <= 5; ++playing)
    {
        CVantor tournament;
        StartField(tournament, playing + 1);
        BuildHistory(tournament, 2);
        for (int index = 2; index < playing + 3; ++index)
            RecordOf(tournament, index).m_Absent = index == 3;
        const CPairOutcome outcome = PairAndCapture(tournament);
        ASSERT_TRUE(IsCompletePairing(tournament)) << playing;
        EXPECT_EQ(outcome.m_Console.find("nan"), std::string::npos);
        const double chosen = TotalCost(tournament);

        std::vector<int> members;
        for (int index = 2; index < playing + 3; ++index)
            if (!RecordOf(tournament, index).m_Absent)
                members.push_back(index);
        EXPECT_EQ(chosen, CheapestByBruteForce(tournament, members)) << playing;
    }
}
} // namespace
