#include "pairing/CostTerms.h"
#include "pairing/PrepareStandings.h"
#include "pairing/Random.h"
#include "search/PairingSearch.h"
#include "support/SimulatedTournament.h"

#include <gtest/gtest.h>

#include <vector>

// The search skips work where bounds decide a comparison: a move rejected by a lower bound of its
// change, a total left unsummed because it is certainly above the best or certainly below it (a
// new best whose total is then known only within a bound). All rest on every weight being finite
// and none negative; without that the search works everything out. Either way the search must
// make the same moves and find the same pairing, to the last bit of every cost.
namespace
{
struct CSearchResult
{
    std::vector<CPairingState> m_Pairing;
    std::int64_t m_Moves = 0;
};

CSearchResult Search(CVantor& tournament, bool withShortcuts)
{
    SeedRandom(11);
    PrepareStandings(tournament);
    if (!withShortcuts)
        ForgoBounds(tournament.m_CostTerms);
    CPairingSearch search(tournament);
    search.Run();
    search.RestoreBest();
    CSearchResult result;
    for (const CParticipant& participant : tournament.m_Participants)
        result.m_Pairing.push_back(participant.m_Pairing);
    result.m_Moves = search.Moves();
    return result;
}

void ExpectSamePairing(const CSearchResult& with, const CSearchResult& without)
{
    EXPECT_EQ(with.m_Moves, without.m_Moves);
    ASSERT_EQ(with.m_Pairing.size(), without.m_Pairing.size());
    for (std::size_t index = 0; index < with.m_Pairing.size(); ++index)
    {
        EXPECT_EQ(with.m_Pairing[index].m_Opponent, without.m_Pairing[index].m_Opponent) << index;
        EXPECT_EQ(with.m_Pairing[index].m_White, without.m_Pairing[index].m_White) << index;
        EXPECT_EQ(with.m_Pairing[index].m_Cost, without.m_Pairing[index].m_Cost) << index;
    }
}

TEST(ExactShortcuts, ChangeNoMoveAndNoPairingWhateverTheWeights)
{
    // Weights that make colour, place or the colour favour outweigh the scores, and the defaults.
    const auto weightSets = []
    {
        std::vector<CParameters> sets(4);
        sets[1].m_Colour = 60.0;
        sets[1].m_ColourRank = 30.0;
        sets[2].m_Score = 0.5;
        sets[2].m_Rank = 12.0;
        sets[3].m_Float1 = 0.0;
        sets[3].m_Float2 = 0.0;
        sets[3].m_Colour2 = 0.0;
        sets[3].m_PairRepeated = 3.0;
        return sets;
    }();
    for (const int participants : {47, 60})
        for (const CParameters& weights : weightSets)
        {
            CSearchResult results[2];
            for (const bool withShortcuts : {true, false})
            {
                CVantor tournament;
                StartField(tournament, participants);
                BuildHistory(tournament, 5);
                tournament.m_Parameters = weights;
                results[withShortcuts ? 0 : 1] = Search(tournament, withShortcuts);
            }
            SCOPED_TRACE(participants);
            ExpectSamePairing(results[0], results[1]);
        }
}
} // namespace
