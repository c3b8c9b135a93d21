#pragma once

#include "tournament/Participant.h"

#include <vector>

// The standings order: more points first, then the higher average opponents' score, then the
// higher rating. Participants equal in all three have no defined order.
class CCompareStanding
{
public:
    explicit CCompareStanding(const std::vector<CParticipant>& participants)
        : m_Participants(participants)
    {
    }

    bool operator()(int a, int b) const;

private:
    const std::vector<CParticipant>& m_Participants;
};
