#include "search/SearchTotals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
// The drift bound of the running total (see DriftBound.md): in units of roundoff, what each exact
// sum may be off by per record of the terms' magnitude, doubled, and what an accepted change may
// be off by of the magnitude of the terms it adds up; the share of one unit below which the sums'
// rounding is bounded so; the share of the terms' magnitude below which the drift must stay for
// that magnitude to be known; and how many times its bound a decision leaves between the totals
// it compares.
constexpr double UnitRoundoff = std::numeric_limits<double>::epsilon() / 2;
constexpr double ExactSumRoundoffPerRecord = 2.02;
constexpr double ChangeRoundoff = 17.2;
constexpr double LargestSumRoundoff = 0.01;
constexpr double LargestDriftShare = 0.1;
constexpr double DriftMargin = 2.0;
// The rounding of the bounds' own arithmetic, in units of roundoff of the totals compared.
constexpr double ComparisonRoundoff = 8.0;

// The changes kept to work out the current total exactly; beyond them the exact sums are taken.
constexpr std::size_t MostChangesKept = std::size_t{1} << 16;

double ComparisonSlack(double left, double right)
{
    return ComparisonRoundoff * UnitRoundoff * (std::abs(left) + std::abs(right));
}
} // namespace

void CSearchTotals::Start(double exactTotal, double bestTotal, bool termsAreBounded, int records,
                          double colourRank)
{
    m_TermsAreBounded = termsAreBounded && std::isfinite(exactTotal);
    m_Records = records;
    m_ColourRank = colourRank;
    SetExactInHand(exactTotal);
    m_Current = exactTotal;
    m_Best = bestTotal;
}

void CSearchTotals::Accept(double change)
{
    m_Running += change;
    m_RunningIsExact = false;
    ++m_AcceptedSinceExact;
    m_PeakTotal = std::max(m_PeakTotal, std::abs(m_Running));
    m_Current += change;
    if (IsBestExact())
        return;
    // The rules' current total and this one take the same changes from starting points at most
    // the best's bound apart; each addition rounds both, by at most a unit of roundoff of each.
    m_ChangesSinceBest.push_back(change);
    m_CurrentSlack += UnitRoundoff * (m_BestBound + m_CurrentSlack + 2.01 * std::abs(m_Current));
}

// How far the running total may be from the exact sum of the stored terms: the rounding of the
// exact sum it was last set to and of the present one, of every accepted change and of every
// addition to it. Infinite where no bound is known. The derivation, and the margin it leaves, is
// in DriftBound.md beside this file.
double CSearchTotals::DriftBound() const
{
    constexpr double none = std::numeric_limits<double>::infinity();
    if (!m_TermsAreBounded)
        return none;
    const double sumRoundoff = ExactSumRoundoffPerRecord * m_Records * UnitRoundoff;
    if (sumRoundoff >= LargestSumRoundoff)
        return none;
    // No term is below -ColourRank, so the terms' magnitude follows from the largest running
    // total, as long as the drift is small beside it.
    const double magnitude = 2 * (m_PeakTotal + 2 * m_Records * m_ColourRank);
    const double drift = 2 * sumRoundoff * magnitude +
                         ChangeRoundoff * UnitRoundoff * m_AddedMagnitude +
                         static_cast<double>(m_AcceptedSinceExact) * UnitRoundoff * m_PeakTotal;
    return drift < LargestDriftShare * magnitude ? drift : none;
}

// The rules compare the current total with 1.000001 times the best, a product that does not fall
// when the best grows.
CSearchTotals::EAnswer CSearchTotals::IsNearBest() const
{
    if (IsBestExact())
        return m_Current < m_Best * NearBestFactor ? EAnswer::Yes : EAnswer::No;
    const double slack = ComparisonSlack(m_Current, m_Best);
    const double currentBound = DriftMargin * (m_BestBound + m_CurrentSlack) + slack;
    const double bestBound = DriftMargin * m_BestBound + slack;
    if (m_Current + currentBound < (m_Best - bestBound) * NearBestFactor)
        return EAnswer::Yes;
    if (m_Current - currentBound >= (m_Best + bestBound) * NearBestFactor)
        return EAnswer::No;
    return EAnswer::Open;
}

// The exact sum of the pairing in hand is within the drift bound of the running total, or is the
// running total itself right after an exact sum.
CSearchTotals::EAnswer CSearchTotals::IsBelowBest() const
{
    if (m_RunningIsExact && IsBestExact())
        return m_Running < m_Best ? EAnswer::Yes : EAnswer::No;
    const double drift = m_RunningIsExact ? 0.0 : DriftBound();
    const double margin = DriftMargin * (drift + m_BestBound) + ComparisonSlack(m_Running, m_Best);
    if (m_Running - m_Best > margin)
        return EAnswer::No;
    if (m_Best - m_Running > margin)
        return EAnswer::Yes;
    return EAnswer::Open;
}

CSearchTotals::EDecision CSearchTotals::Decide() const
{
    const EAnswer near = IsNearBest();
    if (near == EAnswer::No)
        return EDecision::NotBest;
    const EAnswer below = IsBelowBest();
    if (near == EAnswer::Open || below == EAnswer::Open)
        return EDecision::NeedsExactSums;
    return below == EAnswer::Yes ? EDecision::NewBest : EDecision::NotBest;
}

void CSearchTotals::TakeBest()
{
    m_Best = m_Running;
    m_BestBound = m_RunningIsExact ? 0.0 : DriftBound();
    m_Current = m_Running;
    m_CurrentSlack = 0.0;
    m_ChangesSinceBest.clear();
}

bool CSearchTotals::NeedsExactSums() const
{
    return m_ChangesSinceBest.size() >= MostChangesKept;
}

void CSearchTotals::SetExactBest(double total)
{
    m_Best = total;
    m_BestBound = 0.0;
    m_Current = total;
    for (const double change : m_ChangesSinceBest)
        m_Current += change;
    m_CurrentSlack = 0.0;
    m_ChangesSinceBest.clear();
}

void CSearchTotals::SetExactInHand(double total)
{
    m_Running = total;
    m_RunningIsExact = true;
    m_AcceptedSinceExact = 0;
    m_AddedMagnitude = 0.0;
    m_PeakTotal = std::abs(total);
}
