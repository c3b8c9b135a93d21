#pragma once

#include "tournament/PairingState.h"

#include <array>

// The four records one exchange of opponents touches (a, b, a's former opponent, b's former
// opponent, in that order) with a pairing state for each. Putting the four states in place is all
// it takes both to undo an exchange and to make one that was measured beforehand.
struct CExchangeStates
{
    std::array<int, 4> m_Index{};
    std::array<CPairingState, 4> m_States{};
};

// The states an exchange replaced: putting them back undoes it.
struct CExchangeUndo : CExchangeStates
{
};

// The states a measured exchange would give its records, while the pairing stays as it was.
struct CMeasuredExchange : CExchangeStates
{
};
