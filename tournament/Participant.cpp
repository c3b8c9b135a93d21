#include "tournament/Participant.h"

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
