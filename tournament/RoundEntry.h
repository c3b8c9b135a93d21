#pragma once

#include <cstdint>

// One round of a participant's history. The fill entry {0, 0, true} stands for a round in
// which the participant had no game: opponent 0 is the placeholder record.
struct CRoundEntry
{
    std::int32_t m_Opponent = 0;
    std::int32_t m_Points = 0; // half points scored in this round: 2, 1 or 0
    bool m_White = true;
};
