#pragma once

#include <cstdint>

// A participant's place in a candidate pairing. Saved and restored whole, cost included, so
// that undoing a move never has to recompute a cost.
struct CPairingState
{
    std::int32_t m_Opponent = 0; // 1 = the bye record, 0 = none (absent participants)
    bool m_White = true;
    double m_Cost = 0.0; // this participant's cost term for that opponent and colour
};
