#pragma once

#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <gtest/gtest.h>

// Every playing participant has exactly one opponent, another playing participant or the bye
// record; opponents are mutual and have opposite colours; absent participants are unpaired.
inline ::testing::AssertionResult IsCompletePairing(const CVantor& tournament)
{
    const auto& participants = tournament.m_Participants;
    int byes = 0;
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
    {
        const CParticipant& participant = participants[index];
        const int opponent = participant.m_Pairing.m_Opponent;
        if (participant.m_Absent)
        {
            if (opponent != PlaceholderRecord)
                return ::testing::AssertionFailure() << "absent " << index << " is paired";
            continue;
        }
        if (opponent < ByeRecord || opponent >= static_cast<int>(participants.size()) ||
            static_cast<std::size_t>(opponent) == index)
            return ::testing::AssertionFailure() << index << " has opponent " << opponent;
        const CParticipant& other = participants[static_cast<std::size_t>(opponent)];
        if (opponent == ByeRecord)
            ++byes;
        else if (other.m_Absent)
            return ::testing::AssertionFailure() << index << " meets absent " << opponent;
        if (other.m_Pairing.m_Opponent != static_cast<int>(index))
            return ::testing::AssertionFailure() << index << " and " << opponent << " disagree";
        if (other.m_Pairing.m_White == participant.m_Pairing.m_White)
            return ::testing::AssertionFailure() << index << " and " << opponent << " same colour";
    }
    if (byes > 1)
        return ::testing::AssertionFailure() << byes << " byes";
    return ::testing::AssertionSuccess();
}
