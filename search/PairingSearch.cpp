#include "search/PairingSearch.h"

#include "pairing/CostTerms.h"
#include "pairing/PairingCost.h"
#include "pairing/Random.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace
{
// Below six playing participants some moves can find no partner at all (with two the window is
// 0), so such fields are paired by trying every pairing instead.
constexpr int FewestForSearch = 6;

// When every move changes the total by exactly 0, every move is accepted and no rejection is
// ever counted. Ordinary runs end within about 1.4 stop limits of moves without a new best.
constexpr std::int64_t MoveLimitPerStopLimit = 100;

// The schedule of a run. It ends after 50 rejections per record and unit of window, and 20000
// more, since the last new best.
constexpr std::int64_t StopLimitPerRecordAndWindow = 50;
constexpr std::int64_t LeastStopLimit = 20000;
// The threshold is set anew after every adaptation period of accepted rises, 50 and one more per
// 16 records, just below the largest rise of the period, so that it only ever falls.
constexpr int LeastAdaptationPeriod = 50;
constexpr int RecordsPerLongerPeriod = 16;
constexpr double ThresholdPerLargestRise = 0.999999;
// At first the threshold admits ten repeated pairings at once; the first best to beat is the
// starting pairing with one more.
constexpr double StartingThresholdPerRepeat = 10.0;

// Every move draws a number below 1000: up to the colour-flip share (1000 / window) a colour flip
// once the threshold is below the gate, otherwise up to 799 an exchange and above it a rotation,
// which thus takes a fifth of the moves.
constexpr int MoveDraws = 1000;
constexpr int LastExchangeDraw = 799;
// The gate lets colour flips in once the threshold is below twelve units of the colour balance
// weight and one third repetition of a colour.
constexpr double ColourWeightsInGate = 12.0;

} // namespace

CPairingSearch::CPairingSearch(CVantor& tournament)
    : m_Tournament(tournament), m_Participants(tournament.m_Participants.data()),
      m_Packed(tournament), m_Records(static_cast<int>(tournament.m_Participants.size())),
      m_Window(tournament.m_Window)
{
    const CParameters& weights = m_Tournament.m_Parameters;
    m_StopLimit = StopLimitPerRecordAndWindow * static_cast<std::int64_t>(m_Records) * m_Window +
                  LeastStopLimit;
    m_MoveLimit = MoveLimitPerStopLimit * m_StopLimit;
    m_AdaptationPeriod = m_Records / RecordsPerLongerPeriod + LeastAdaptationPeriod;
    m_ColourFlipGate = ColourWeightsInGate * weights.m_Colour + weights.m_Colour3;
    if (m_Window > 0)
        m_ColourFlipShare = static_cast<int>(static_cast<double>(MoveDraws) / m_Window);
    if (m_Records > FirstParticipant)
        m_AnyRecordDivisor = CDivisor(static_cast<std::uint32_t>(m_Records - FirstParticipant));
    if (m_Window > 0)
        m_WindowDivisor = CDivisor(m_Window);
    std::size_t longest = 0;
    for (const CParticipant& participant : tournament.m_Participants)
        longest = std::max(longest, participant.m_Candidates.size());
    m_LengthDivisors.resize(longest + 1);
    for (std::size_t length = 1; length <= longest; ++length)
        m_LengthDivisors[length] = CDivisor(static_cast<std::uint32_t>(length));
    m_Best.resize(static_cast<std::size_t>(m_Records));
    m_ChangedSinceBest.resize(static_cast<std::size_t>(m_Records));
    const double total = TotalCost(m_Packed);
    m_Totals.Start(total, total + weights.m_PairRepeated,
                   WeightsAreBounded(m_Tournament.m_CostTerms), m_Records, weights.m_ColourRank);
#ifndef NDEBUG
    m_RulesCurrentTotal = total;
    m_RulesBestTotal = total + weights.m_PairRepeated;
#endif
    m_Threshold = StartingThresholdPerRepeat * weights.m_PairRepeated;
}

void CPairingSearch::Run()
{
    const int playing = m_Tournament.PresentCount();
    if (playing < FewestForSearch)
    {
        // With none there is nothing to pair; with one the starting pairing already gave the bye.
        if (playing >= 2)
            PairExhaustively();
        KeepWholePairingAsBest();
        return;
    }
    // The store starts as the starting pairing, so that from the first new best on only the
    // records changed since need copying.
    KeepWholePairingAsBest();
    assert(PairingIsSound(m_Totals.Running()));
    while (m_Rejections < m_StopLimit && m_MovesSinceBest < m_MoveLimit)
        MakeMove();
    m_Packed.HandBack(m_Tournament);
    assert(PairingIsSound(TotalCost(m_Tournament)));
    // Without any new best the pairing in hand, which is complete, is kept.
    if (!m_BestFound)
        KeepWholePairingAsBest();
}

void CPairingSearch::MakeMove()
{
    ++m_Moves;
    ++m_MovesSinceBest;
    const int r = DrawRandom() % MoveDraws;
    double change = 0.0;
    bool accepted = false;
    if (r <= m_ColourFlipShare && m_Threshold < m_ColourFlipGate)
        accepted = FlipColours(change);
    else if (r <= LastExchangeDraw)
        accepted = ExchangeWithPartner(change);
    else
        accepted = RotateThree(change);
    Account(accepted, change);
}

void CPairingSearch::Account(bool accepted, double change)
{
    if (!accepted)
    {
        ++m_Rejections;
        return;
    }
    m_Totals.Accept(change);
    if (m_Totals.NeedsExactSums())
        TakeExactSums();
    if (change > 0)
    {
        m_LargestRise = std::max(m_LargestRise, change);
        if (++m_RiseCount == m_AdaptationPeriod)
        {
            m_Threshold = m_LargestRise * ThresholdPerLargestRise;
            m_RiseCount = 0;
            m_LargestRise = 0.0;
        }
    }
    const bool newBest = change < 0 && IsNewBest();
    assert(newBest == RulesFindNewBest(change));
    if (newBest)
    {
        m_RiseCount = 0;
        m_Rejections = 0;
        m_MovesSinceBest = 0;
        KeepChangedAsBest();
        m_BestFound = true;
    }
}

// The exact sums are taken only where the totals' bounds leave the decision open.
bool CPairingSearch::IsNewBest()
{
    CSearchTotals::EDecision decision = m_Totals.Decide();
    if (decision == CSearchTotals::EDecision::NeedsExactSums)
    {
        TakeExactSums();
        decision = m_Totals.Decide();
    }
    if (decision != CSearchTotals::EDecision::NewBest)
        return false;
    m_Totals.TakeBest();
    return true;
}

void CPairingSearch::TakeExactSums()
{
    if (!m_Totals.IsBestExact())
        m_Totals.SetExactBest(SumOfBest());
    const double total = TotalCost(m_Packed);
    assert(PairingIsSound(total));
    m_Totals.SetExactInHand(total);
}

// The total of the best store, summed as the total of the pairing in hand is.
double CPairingSearch::SumOfBest() const
{
    double total = 0.0;
    for (int index = FirstParticipant; index < m_Records; ++index)
        total += m_Best[static_cast<std::size_t>(index)].m_Cost;
    return total;
}

void CPairingSearch::NoteAccepted(int index, const CPairingState& before,
                                  const CPairingState& after)
{
    m_Totals.AddMagnitude(std::abs(before.m_Cost) + std::abs(after.m_Cost));
    const auto record = static_cast<std::size_t>(index);
    if (!m_ChangedSinceBest[record])
    {
        m_ChangedSinceBest[record] = 1;
        m_Changed.push_back(index);
    }
}

// An accepted exchange that was measured, before its states are put in place.
void CPairingSearch::NoteMeasured(const CMeasuredExchange& measured)
{
    for (std::size_t k = 0; k < measured.m_Index.size(); ++k)
        NoteAccepted(measured.m_Index[k], m_Packed.State(measured.m_Index[k]),
                     measured.m_States[k]);
}

void CPairingSearch::KeepChangedAsBest()
{
    for (const int index : m_Changed)
    {
        const auto record = static_cast<std::size_t>(index);
        m_Best[record] = m_Packed.State(index);
        m_ChangedSinceBest[record] = 0;
    }
    m_Changed.clear();
}

// From the participants' pairing, which is the pairing in hand before and after the moves.
void CPairingSearch::KeepWholePairingAsBest()
{
    for (int index = 0; index < m_Records; ++index)
        m_Best[static_cast<std::size_t>(index)] = Participant(index).m_Pairing;
    for (const int index : m_Changed)
        m_ChangedSinceBest[static_cast<std::size_t>(index)] = 0;
    m_Changed.clear();
}

void CPairingSearch::RestoreBest()
{
    for (int index = 0; index < m_Records; ++index)
        Participant(index).m_Pairing = m_Best[static_cast<std::size_t>(index)];
}
