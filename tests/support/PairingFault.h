#pragma once

#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <string>

// What is wrong with the pairing in hand, empty when nothing is: every playing participant has
// exactly one opponent, another playing participant or the bye record; opponents are mutual and
// have opposite colours; absent participants are unpaired; at most one participant gets the bye.
// Free of the test framework, so that the fuzz targets can use it too.
inline std::string PairingFault(const CVantor& tournament)
{
    const auto& participants = tournament.m_Participants;
    int byes = 0;
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
    {
        const CParticipant& participant = participants[index];
        const int opponent = participant.m_Pairing.m_Opponent;
        const auto who = [index] { return std::to_string(index); };
        if (participant.m_Absent)
        {
            if (opponent != PlaceholderRecord)
                return "absent " + who() + " is paired";
            continue;
        }
        const auto pair = [&] { return who() + " and " + std::to_string(opponent); };
        if (opponent < ByeRecord || opponent >= static_cast<int>(participants.size()) ||
            static_cast<std::size_t>(opponent) == index)
            return who() + " has opponent " + std::to_string(opponent);
        const CParticipant& other = participants[static_cast<std::size_t>(opponent)];
        if (opponent == ByeRecord)
            ++byes;
        else if (other.m_Absent)
            return who() + " meets absent " + std::to_string(opponent);
        if (other.m_Pairing.m_Opponent != static_cast<int>(index))
            return pair() + " disagree";
        if (other.m_Pairing.m_White == participant.m_Pairing.m_White)
            return pair() + " same colour";
    }
    if (byes > 1)
        return std::to_string(byes) + " byes";
    return {};
}
