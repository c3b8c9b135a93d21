#pragma once

#include "tournament/Vantor.h"

#include <cstddef>

// Derives scores, colours, floats, the standings order, the candidate lists, the cost terms and
// a random starting pairing with its costs.
void PrepareStandings(CVantor& tournament);

// The candidate of this list at position k (the list's own order, from 0).
inline int Candidate(const CVantor& tournament, const CCandidates& candidates, std::size_t k)
{
    if (k < static_cast<std::size_t>(candidates.m_NearestCount))
        return tournament
            .m_NearestCandidates[static_cast<std::size_t>(candidates.m_NearestFirst) + k];
    k -= static_cast<std::size_t>(candidates.m_NearestCount);
    if (k < static_cast<std::size_t>(candidates.m_BelowCount))
        return tournament.m_PresentOrder[static_cast<std::size_t>(candidates.m_BelowFirst) + k];
    k -= static_cast<std::size_t>(candidates.m_BelowCount);
    return tournament.m_PresentOrder[static_cast<std::size_t>(candidates.m_AboveFirst) - k];
}
