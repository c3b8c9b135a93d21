#pragma once

#include "tournament/CostTermData.h"
#include "tournament/Parameters.h"
#include "tournament/Participant.h"
#include "tournament/Vantor.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The cost terms: what the pairing cost works out once per run from the histories, the standings
// and the weights, and reads on every evaluation (the data, CCostTerms, is stored in the model).
//
// PrepareCostTerms is the one place that builds them, and they hold only while the histories, the
// standings fields and the weights stay as they were then: whoever changes them prepares them
// again. Everything is derived with exactly the arithmetic of a full evaluation, so that reading
// them gives the same bits.

// rounds is the tournament's count of rounds played (its longest history).
void PrepareCostTerms(CCostTerms& terms, const std::vector<CParticipant>& participants,
                      std::size_t rounds, const std::vector<int>& scoreCount,
                      const CParameters& weights);

// The same for the tournament's participants, standings and weights; the standings do it before
// their first evaluation.
inline void PrepareCostTerms(CVantor& tournament)
{
    PrepareCostTerms(tournament.m_CostTerms, tournament.m_Participants, tournament.RoundsPlayed(),
                     tournament.m_ScoreCount, tournament.m_Parameters);
}

// The helpers of the inner step are inlined by force: the search evaluates millions of terms.

inline std::uint64_t MetBit(int opponent)
{
    return std::uint64_t{1} << (static_cast<unsigned>(opponent) & 63u);
}

// The profile a term record names.
[[gnu::always_inline]] inline const CTermProfile& ProfileOf(const CCostTerms& terms,
                                                            const CTermRecord& record)
{
    return terms.m_Profiles[record.m_Profile];
}

// Whether some round of the record at index names the opponent (fill entries name the
// placeholder). Every round is looked at, as the number of rounds is the same for every record
// and a loop that always runs to its end is predicted, where one that ends at the opponent is not.
[[gnu::always_inline]] inline bool HasPlayed(const CCostTerms& terms, const CTermRecord& record,
                                             std::size_t index, int opponent)
{
    if ((record.m_MetMask & MetBit(opponent)) == 0)
        return false;
    const std::int32_t* opponents = terms.m_Opponents.data() + index * terms.m_Rounds;
    bool met = false;
    for (std::size_t round = 0; round < terms.m_Rounds; ++round)
        met |= opponents[round] == opponent;
    return met;
}

// The colour figure of playing White (1) or Black (0), and whether the figure of the other
// colour is the higher one.
[[gnu::always_inline]] inline double ColourFigure(const CTermProfile& profile, int white)
{
    return profile.m_ColourOwn[white];
}
[[gnu::always_inline]] inline bool PrefersOther(const CTermProfile& profile, int white)
{
    return profile.m_PrefersOther[white];
}

// What the better placed of two opponents is favoured by, if at all.
[[gnu::always_inline]] inline double ColourRankTerm(const CCostTerms& terms, bool favoured)
{
    return terms.m_ColourRankTerms[favoured];
}

// The float term for a score difference; none without one.
inline double FloatTerm(const CCostTerms& terms, const CTermProfile& profile, int difference)
{
    if (difference == 0)
        return 0.0;
    const int code = profile.m_Float[difference > 0 ? 1 : 0];
    return terms.m_FloatWeights[static_cast<std::size_t>(code)];
}

// The present participants whose score lies from low to high, both included.
[[gnu::always_inline]] inline int PresentBetween(const CCostTerms& terms, int low, int high)
{
    return terms.m_ScoreBelow[static_cast<std::size_t>(high) + 1] -
           terms.m_ScoreBelow[static_cast<std::size_t>(low)];
}

// Every weight finite and none negative: then no term is below -ColourRank, which bounds sums of
// terms.
inline bool WeightsAreBounded(const CCostTerms& terms)
{
    return terms.m_WeightsAreBounded;
}
// For comparing the search with and without the shortcuts those bounds allow: until the next
// preparation no bound is claimed.
inline void ForgoBounds(CCostTerms& terms)
{
    terms.m_WeightsAreBounded = false;
}
