#pragma once

// pairing/ is what a pairing is made of and what it costs; it uses tournament/.
//   PrepareStandings.h  the pairing's standings order, candidate lists and random start
//   CostTerms.h         what every evaluation reads, prepared once per run
//   ParticipantTerm.h   the formula of one participant's term
//   PairingCost.h       the stored terms and their sum
//   ExchangeOpponents.h the exchange of opponents: made, undone, measured, rotated
//                       (ExchangeStates.h)
//   PairingFault.h      the consistency check that Debug builds assert
//   PairedBoards.h      the boards of the pairing in hand, in the written order
//   Random.h            the generator that the standings and the search draw from
// Used by search/ (all of it), output/ and reports/ (the boards in hand).

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
