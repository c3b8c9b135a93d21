#include "search/PairingSearch.h"

#include "standings/Random.h"
#include "tournament/ReservedRecords.h"

#include <algorithm>

namespace
{
// Below six playing participants some moves can find no partner at all (with two the window is
// 0), so such fields are paired by trying every pairing instead.
constexpr int FewestForSearch = 6;

// When every move changes the total by exactly 0, every move is accepted and no rejection is
// ever counted. Ordinary runs end within about 1.4 stop limits of moves without a new best.
constexpr std::int64_t MoveLimitPerStopLimit = 100;
} // namespace

CPairingSearch::CPairingSearch(CVantor& tournament)
    : m_Tournament(tournament), m_Records(static_cast<int>(tournament.m_Participants.size())),
      m_Window(tournament.m_Window)
{
    const CParameters& weights = m_Tournament.m_Parameters;
    m_StopLimit = 50 * static_cast<std::int64_t>(m_Records) * m_Window + 20000;
    m_MoveLimit = MoveLimitPerStopLimit * m_StopLimit;
    m_AdaptationPeriod = m_Records / 16 + 50;
    m_ColourFlipGate = 12 * weights.m_Colour + weights.m_Colour3;
    if (m_Window > 0)
        m_ColourFlipShare = static_cast<int>(1000.0 / m_Window);
    m_Best.resize(static_cast<std::size_t>(m_Records));
    m_CurrentTotal = m_Tournament.TotalCost();
    m_BestTotal = m_CurrentTotal + weights.m_PairRepeated;
    m_Threshold = 10 * weights.m_PairRepeated;
}

CParticipant& CPairingSearch::Participant(int index)
{
    return m_Tournament.m_Participants[static_cast<std::size_t>(index)];
}

bool CPairingSearch::IsPlaying(int index) const
{
    return index >= FirstParticipant &&
           !m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_Absent;
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
        KeepAsBest();
        return;
    }
    while (m_Rejections < m_StopLimit && m_MovesSinceBest < m_MoveLimit)
        MakeMove();
    // Without any new best the store still holds its empty default states; the pairing in hand
    // is complete, so that is what is kept.
    if (!m_BestFound)
        KeepAsBest();
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
    else if (change < 0 && m_CurrentTotal < m_BestTotal * 1.000001)
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
            KeepAsBest();
            m_BestFound = true;
        }
    }
}

void CPairingSearch::KeepAsBest()
{
    for (int index = 0; index < m_Records; ++index)
        m_Best[static_cast<std::size_t>(index)] = Participant(index).m_Pairing;
}

void CPairingSearch::RestoreBest()
{
    for (int index = 0; index < m_Records; ++index)
        Participant(index).m_Pairing = m_Best[static_cast<std::size_t>(index)];
}
