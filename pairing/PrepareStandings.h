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
#include <cstdint>

// Derives scores, colours, floats, the standings order, the candidate lists, the cost terms and
// a random starting pairing with its costs.
void PrepareStandings(CVantor& tournament);

// The largest window whose nearest candidates are kept as a pattern of bits (Candidates.h).
inline constexpr std::size_t NearestInBits = 64;

// The number of bits set, the same on every machine, without the library call that compilers
// make of std::popcount where the processor's instruction is not assumed.
inline int CountBits(std::uint64_t bits)
{
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

// The nearest candidate at k of a window kept as bits: as many present participants below the
// list's owner as the nearest up to k that lie below, or above likewise.
inline int NearestByBits(const CVantor& tournament, const CCandidates& candidates, std::size_t k)
{
    const std::uint64_t upToK = candidates.m_NearestBelow & (~std::uint64_t{0} >> (63u - k));
    const int below = CountBits(upToK);
    const bool isBelow = ((candidates.m_NearestBelow >> k) & 1u) != 0;
    const int position = isBelow ? candidates.m_NearestAt + below
                                 : candidates.m_NearestAt - (static_cast<int>(k) + 1 - below);
    return tournament.m_PresentOrder[static_cast<std::size_t>(position)];
}

// The candidate of this list at position k (the list's own order, from 0).
inline int Candidate(const CVantor& tournament, const CCandidates& candidates, std::size_t k)
{
    if (k < static_cast<std::size_t>(candidates.m_NearestCount))
    {
        if (candidates.m_NearestAsBits)
            return NearestByBits(tournament, candidates, k);
        return tournament.m_NearestCandidates[static_cast<std::size_t>(candidates.m_NearestAt) + k];
    }
    k -= static_cast<std::size_t>(candidates.m_NearestCount);
    if (k < static_cast<std::size_t>(candidates.m_BelowCount))
        return tournament.m_PresentOrder[static_cast<std::size_t>(candidates.m_BelowFirst) + k];
    k -= static_cast<std::size_t>(candidates.m_BelowCount);
    return tournament.m_PresentOrder[static_cast<std::size_t>(candidates.m_AboveFirst) - k];
}
