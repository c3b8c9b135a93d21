#pragma once

#include "tournament/Participant.h"

#include <vector>

// The standings order: more points first, then the higher average opponents' score, then the
// higher rating, then the lower index. The last key makes the order total, so that every
// standard library's sort puts equal participants (an unrated field before its first round) in
// the same places and the pairing comes out the same everywhere.
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
