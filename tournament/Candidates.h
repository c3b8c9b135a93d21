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
struct CCandidates
{
    std::uint64_t m_NearestBelow = 0; // bit k set: the nearest at k lies below
    std::int32_t m_Position = 0;      // the participant's own, in m_PresentOrder
    std::int32_t m_NearestFirst = 0;  // m_NearestCandidates[m_NearestFirst + k]; -1: bits
    std::int32_t m_NearestCount = 0;
    std::int32_t m_BelowFirst = 0; // m_PresentOrder[m_BelowFirst + k], going down
    std::int32_t m_BelowCount = 0;
    std::int32_t m_AboveFirst = 0; // m_PresentOrder[m_AboveFirst - k], going up
    std::int32_t m_AboveCount = 0;

    std::size_t size() const
    {
        return static_cast<std::size_t>(m_NearestCount) + static_cast<std::size_t>(m_BelowCount) +
               static_cast<std::size_t>(m_AboveCount);
    }
    bool empty() const { return size() == 0; }
};
