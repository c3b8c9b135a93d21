#include "tournament/Vantor.h"

#include <algorithm>

std::size_t CVantor::RoundsPlayed() const
{
    std::size_t rounds = 0;
    for (const CParticipant& participant : m_Participants)
        rounds = std::max(rounds, participant.m_History.size());
    return rounds;
}
