#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>

std::size_t CVantor::RoundsPlayed() const
{
    std::size_t rounds = 0;
    for (const CParticipant& participant : m_Participants)
        rounds = std::max(rounds, participant.m_History.size());
    return rounds;
}

int CVantor::PresentCount() const
{
    return static_cast<int>(std::count_if(m_Participants.begin() + FirstParticipant,
                                          m_Participants.end(),
                                          [](const CParticipant& p) { return !p.m_Absent; }));
}
