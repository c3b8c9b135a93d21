#include "pairing/CompareStanding.h"

bool CCompareStanding::operator()(int a, int b) const
{
    const CParticipant& first = m_Participants[static_cast<std::size_t>(a)];
    const CParticipant& second = m_Participants[static_cast<std::size_t>(b)];
    if (first.m_Points != second.m_Points)
        return first.m_Points > second.m_Points;
    if (first.m_OppAverage != second.m_OppAverage)
        return first.m_OppAverage > second.m_OppAverage;
    if (first.m_Elo != second.m_Elo)
        return first.m_Elo > second.m_Elo;
    return a < b;
}
