#include "search/PairingSearch.h"

#include "pairing/PairingCost.h"
#include "pairing/PairingFault.h"

#include <array>
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

// The checks read the participants' pairing, which gets the packed one's states first: of the
// records given and of their opponents.
bool CPairingSearch::BoardsAreSound(std::span<const int> records) const
{
    for (const int index : records)
    {
        const std::array<int, 2> board{index, OpponentOf(index)};
        m_Packed.HandBack(m_Tournament, board);
    }
    for (const int index : records)
        if (index >= FirstParticipant && !IsNoFault(BoardFault(m_Tournament, index)))
            return false;
    return true;
}

// A running total that is not a number, or infinite, is no fault: the bound then claims nothing.
bool CPairingSearch::PairingIsSound(double exactTotal) const
{
    m_Packed.HandBack(m_Tournament);
    if (!IsNoFault(PairingFault(m_Tournament)))
        return false;
    const double drift = std::abs(m_Totals.Running() - exactTotal);
    return IsNoFault(drift > m_Totals.DriftBound() ? "running total off by " + std::to_string(drift)
                                                   : "");
}

bool CPairingSearch::RulesFindNewBest(double change)
{
    m_RulesCurrentTotal += change;
    if (!(change < 0 && m_RulesCurrentTotal < m_RulesBestTotal * CSearchTotals::NearBestFactor))
        return false;
    const double total = TotalCost(m_Packed);
    if (!(total < m_RulesBestTotal))
        return false;
    m_RulesCurrentTotal = total;
    m_RulesBestTotal = total;
    return true;
}
#endif
