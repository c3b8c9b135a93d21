#include "search/PairingSearch.h"

#include "pairing/PairingFault.h"

#include <cmath>
#include <iostream>

// Compiled only where assertions are: a Release build neither calls nor contains these checks.
#ifndef NDEBUG
namespace
{
bool IsNoFault(const std::string& fault)
{
    if (!fault.empty())
        std::cerr << "pairing fault: " << fault << std::endl;
    return fault.empty();
}
} // namespace

bool CPairingSearch::BoardsAreSound(std::span<const int> records) const
{
    for (const int index : records)
        if (index >= FirstParticipant && !IsNoFault(BoardFault(m_Tournament, index)))
            return false;
    return true;
}

// A running total that is not a number, or infinite, is no fault: the bound then claims nothing.
bool CPairingSearch::PairingIsSound(double exactTotal) const
{
    if (!IsNoFault(PairingFault(m_Tournament)))
        return false;
    const double drift = std::abs(m_CurrentTotal - exactTotal);
    return IsNoFault(drift > DriftBound() ? "running total off by " + std::to_string(drift) : "");
}
#endif
