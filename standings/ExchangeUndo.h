#pragma once

#include "tournament/PairingState.h"

#include <array>

// What one exchange of opponents replaced: the four records it touched (a, b, a's former
// opponent, b's former opponent) and their states before it, in that order.
struct CExchangeUndo
{
    std::array<int, 4> m_Index{};
    std::array<CPairingState, 4> m_Saved{};
};
