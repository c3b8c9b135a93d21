#include "tournament/Participant.h"

#include "tournament/ReservedRecords.h"

#include <algorithm>

void CParticipant::SetResult(int opponent, int round, bool white, int points)
{
    if (round < 0)
        return;
    const int length = static_cast<int>(m_History.size());
    if (round == 0)
        round = length + 1;
    if (round > length)
        m_History.resize(static_cast<std::size_t>(round), CRoundEntry{});
    m_History[static_cast<std::size_t>(round - 1)] = CRoundEntry{opponent, points, white};
}

std::int32_t ScoreBefore(const CParticipant& participant, int round)
{
    std::int32_t score = 0;
    const auto rounds = static_cast<std::size_t>(std::max(round - 1, 0));
    for (std::size_t entry = 0; entry < rounds && entry < participant.m_History.size(); ++entry)
        if (participant.m_History[entry].m_Opponent != PlaceholderRecord)
            score += participant.m_History[entry].m_Points;
    return score;
}

std::int32_t Score(const CParticipant& participant)
{
    return ScoreBefore(participant, static_cast<int>(participant.m_History.size()) + 1);
}

void CParticipant::SetNote(int round, const CRoundNote& note)
{
    if (round < 1)
        return;
    if (static_cast<std::size_t>(round) > m_Notes.size())
        m_Notes.resize(static_cast<std::size_t>(round));
    m_Notes[static_cast<std::size_t>(round - 1)] = note;
}
