#include "pairing/PackedPairing.h"

#include <cassert>

CPackedPairing::CPackedPairing(const CVantor& tournament)
    : m_Tournament(tournament), m_Records(tournament.m_Participants.size()),
      m_Layout(tournament, m_Records.data())
{
    for (std::size_t index = 0; index < m_Records.size(); ++index)
    {
        m_Records[index].m_Term = tournament.m_CostTerms.m_Records[index];
        m_Records[index].m_Candidates = tournament.m_Participants[index].m_Candidates;
    }
    TakeStates();
}

void CPackedPairing::TakeStates()
{
    for (std::size_t index = 0; index < m_Records.size(); ++index)
    {
        const CParticipant& participant = m_Tournament.m_Participants[index];
        m_Records[index].m_Pairing = participant.m_Pairing;
        assert(index < FirstParticipant ||
               IsAbsent(static_cast<int>(index)) == participant.m_Absent);
    }
}

void CPackedPairing::HandBack(CVantor& tournament) const
{
    for (std::size_t index = 0; index < m_Records.size(); ++index)
        tournament.m_Participants[index].m_Pairing = m_Records[index].m_Pairing;
}

void CPackedPairing::HandBack(CVantor& tournament, std::span<const int> records) const
{
    for (const int index : records)
        tournament.m_Participants[static_cast<std::size_t>(index)].m_Pairing = State(index);
}
