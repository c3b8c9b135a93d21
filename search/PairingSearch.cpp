#include "search/PairingSearch.h"

#include "tournament/Random.h"

#include <algorithm>
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

constexpr double UnitRoundoff = std::numeric_limits<double>::epsilon() / 2;

} // namespace

CPairingSearch::CPairingSearch(CVantor& tournament)
    : m_Tournament(tournament), m_Participants(tournament.m_Participants.data()),
      m_Records(static_cast<int>(tournament.m_Participants.size())), m_Window(tournament.m_Window)
{
    const CParameters& weights = m_Tournament.m_Parameters;
    m_StopLimit = 50 * static_cast<std::int64_t>(m_Records) * m_Window + 20000;
    m_MoveLimit = MoveLimitPerStopLimit * m_StopLimit;
    m_AdaptationPeriod = m_Records / 16 + 50;
    m_ColourFlipGate = 12 * weights.m_Colour + weights.m_Colour3;
    if (m_Window > 0)
        m_ColourFlipShare = static_cast<int>(1000.0 / m_Window);
    if (m_Records > FirstParticipant)
        m_AnyRecord = CDivisor(static_cast<std::uint32_t>(m_Records - FirstParticipant));
    if (m_Window > 0)
        m_Nearest = CDivisor(m_Window);
    m_ListLength.resize(static_cast<std::size_t>(m_Records));
    for (int index = FirstParticipant; index < m_Records; ++index)
    {
        const std::size_t length = Participant(index).m_Candidates.size();
        if (length > 0)
            m_ListLength[static_cast<std::size_t>(index)] =
                CDivisor(static_cast<std::uint32_t>(length));
    }
    m_Best.resize(static_cast<std::size_t>(m_Records));
    m_ChangedSinceBest.resize(static_cast<std::size_t>(m_Records));
    m_CurrentTotal = m_Tournament.TotalCost();
    m_BestTotal = m_CurrentTotal + weights.m_PairRepeated;
    m_Threshold = 10 * weights.m_PairRepeated;
    m_TermsAreBounded =
        m_Tournament.m_CostTerms.WeightsAreBounded() && std::isfinite(m_CurrentTotal);
    m_PeakTotal = std::abs(m_CurrentTotal);
}

int CPairingSearch::CountPlaying() const
{
    int playing = 0;
    for (int index = FirstParticipant; index < m_Records; ++index)
        playing += IsPlaying(index) ? 1 : 0;
    return playing;
}

void CPairingSearch::Run()
{
    const int playing = CountPlaying();
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
    while (m_Rejections < m_StopLimit && m_MovesSinceBest < m_MoveLimit)
        MakeMove();
    // Without any new best the pairing in hand, which is complete, is kept.
    if (!m_BestFound)
        KeepWholePairingAsBest();
}

void CPairingSearch::MakeMove()
{
    ++m_Moves;
    ++m_MovesSinceBest;
    const int r = DrawRandom() % 1000;
    double change = 0.0;
    bool accepted = false;
    if (r <= m_ColourFlipShare && m_Threshold < m_ColourFlipGate)
        accepted = FlipColours(change);
    else if (r <= 799)
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
    m_CurrentTotal += change;
    ++m_AcceptedSinceExact;
    m_PeakTotal = std::max(m_PeakTotal, std::abs(m_CurrentTotal));
    if (change > 0)
    {
        m_LargestRise = std::max(m_LargestRise, change);
        if (++m_RiseCount == m_AdaptationPeriod)
        {
            m_Threshold = m_LargestRise * 0.999999;
            m_RiseCount = 0;
            m_LargestRise = 0.0;
        }
    }
    else if (change < 0 && m_CurrentTotal < m_BestTotal * 1.000001 && !IsCertainlyAboveBest())
    {
        // The running total drifts through rounding, so only the exact sum decides.
        const double total = m_Tournament.TotalCost();
        if (total < m_BestTotal)
        {
            m_CurrentTotal = total;
            m_BestTotal = total;
            m_RiseCount = 0;
            m_Rejections = 0;
            m_MovesSinceBest = 0;
            m_AcceptedSinceExact = 0;
            m_AddedMagnitude = 0.0;
            m_PeakTotal = std::abs(total);
            KeepChangedAsBest();
            m_BestFound = true;
        }
    }
}

// Whether the exact sum of the pairing in hand is certainly above the best total, so that the
// sum need not be taken. The running total differs from the exact sum of the stored terms by at
// most the rounding of the last exact sum and of the present one (each within n units of
// roundoff of the terms' magnitude), of every accepted change (within 17 units of the magnitude
// of the terms it adds up) and of every addition to the running total. The terms' magnitude is
// bounded through the largest running total, since no term is below -ColourRank, as long as the
// drift is small beside it. Twice the bound is required.
bool CPairingSearch::IsCertainlyAboveBest() const
{
    if (!m_TermsAreBounded)
        return false;
    const double records = m_Records;
    const double termFactor = 2.02 * records * UnitRoundoff;
    if (termFactor >= 0.01)
        return false;
    const double magnitude =
        2 * (m_PeakTotal + 2 * records * m_Tournament.m_Parameters.m_ColourRank);
    const double drift = 2 * termFactor * magnitude + 17.2 * UnitRoundoff * m_AddedMagnitude +
                         static_cast<double>(m_AcceptedSinceExact) * UnitRoundoff * m_PeakTotal;
    return drift < 0.1 * magnitude && m_CurrentTotal - m_BestTotal > 2 * drift;
}

void CPairingSearch::NoteAccepted(int index, const CPairingState& before,
                                  const CPairingState& after)
{
    m_AddedMagnitude += std::abs(before.m_Cost) + std::abs(after.m_Cost);
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
        NoteAccepted(measured.m_Index[k], Participant(measured.m_Index[k]).m_Pairing,
                     measured.m_States[k]);
}

void CPairingSearch::KeepChangedAsBest()
{
    for (const int index : m_Changed)
    {
        const auto record = static_cast<std::size_t>(index);
        m_Best[record] = Participant(index).m_Pairing;
        m_ChangedSinceBest[record] = 0;
    }
    m_Changed.clear();
}

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
