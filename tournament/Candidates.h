#pragma once

#include <cstddef>
#include <cstdint>

// A participant's candidate opponents for the search, in their order: first its nearest present
// participants, then the present participants further below whose score is within half a point,
// then those further above. The nearest are listed one by one in the tournament's
// m_NearestCandidates, or, in a large field, kept as a pattern of bits: they alternate below and
// above, but for the turns that absent positions use up, so they are the runs of present
// participants next to the list's owner, and bit k is set where the nearest at k lies below.
// The two extensions are runs of the standings as well, so they are kept as ranges of the
// tournament's order of present participants: listed one by one, they would take memory that
// grows with the square of the field.
//
// 32 bytes, so that the search can keep a copy beside every record's pairing state: a move reads
// the list of a record drawn at random. Counts fit 16 bits, as a field has at most 30,000
// participants.
struct CCandidates
{
    std::uint64_t m_NearestBelow = 0; // as bits: bit k set where the nearest at k lies below
    // Listed: m_NearestCandidates[m_NearestAt + k]; as bits: the owner's own position in
    // m_PresentOrder, from which the bits count.
    std::int32_t m_NearestAt = 0;
    std::int32_t m_BelowFirst = 0; // m_PresentOrder[m_BelowFirst + k], going down
    std::int32_t m_AboveFirst = 0; // m_PresentOrder[m_AboveFirst - k], going up
    std::uint16_t m_NearestCount = 0;
    std::uint16_t m_BelowCount = 0;
    std::uint16_t m_Length = 0; // the nearest, those below and those above
    bool m_NearestAsBits = false;

    std::size_t size() const { return m_Length; }
    bool empty() const { return m_Length == 0; }
};
