#include "pairing/ParticipantTerm.h"

// The cost of a pairing: every participant's term, stored with its pairing state, and their sum.

double CVantor::EvaluateParticipant(CParticipant& participant)
{
    const auto index = static_cast<int>(&participant - m_Participants.data());
    participant.m_Pairing.m_Cost = TermOf(*this, index, participant.m_Pairing);
    return participant.m_Pairing.m_Cost;
}

// Strictly left to right, as the search's decisions need the same sum on every build; four terms
// a step keep the loop's own work out of the way of the additions' latency.
double CVantor::TotalCost() const
{
    const CParticipant* participant = m_Participants.data() + FirstParticipant;
    const CParticipant* const end = m_Participants.data() + m_Participants.size();
    double total = 0.0;
    for (; end - participant >= 4; participant += 4)
    {
        total += participant[0].m_Pairing.m_Cost;
        total += participant[1].m_Pairing.m_Cost;
        total += participant[2].m_Pairing.m_Cost;
        total += participant[3].m_Pairing.m_Cost;
    }
    for (; participant < end; ++participant)
        total += participant->m_Pairing.m_Cost;
    return total;
}
