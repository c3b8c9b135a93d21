#include "pairing/PairingCost.h"

#include "pairing/ParticipantTerm.h"

double EvaluateParticipant(CVantor& tournament, CParticipant& participant)
{
    const auto index = static_cast<int>(&participant - tournament.m_Participants.data());
    participant.m_Pairing.m_Cost = TermOf(tournament, index, participant.m_Pairing);
    return participant.m_Pairing.m_Cost;
}

// Strictly left to right, as the search's decisions need the same sum on every build; four terms
// a step keep the loop's own work out of the way of the additions' latency.
double TotalCost(const CVantor& tournament)
{
    const CParticipant* participant = tournament.m_Participants.data() + FirstParticipant;
    const CParticipant* const end =
        tournament.m_Participants.data() + tournament.m_Participants.size();
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
