#pragma once

#include "pairing/PrepareStandings.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <string>
#include <vector>

// Builds tournaments in memory, after CVantor::ResetToReservedRecords.

// Adds participants named P2, P3, ... up to index last; returns nothing, the index is the name.
inline void AddParticipants(CVantor& tournament, int last)
{
    for (int index = static_cast<int>(tournament.m_Participants.size()); index <= last; ++index)
        tournament.GetIndex("P" + std::to_string(index));
}

// Records one played game in both histories, the way the reader stores a result.
inline void RecordGame(CVantor& tournament, int white, int black, int round, int whitePoints)
{
    if (white != ByeRecord)
        tournament.m_Participants[static_cast<std::size_t>(white)].SetResult(black, round, true,
                                                                             whitePoints);
    if (black != ByeRecord)
        tournament.m_Participants[static_cast<std::size_t>(black)].SetResult(white, round, false,
                                                                             2 - whitePoints);
}

// A participant's candidates listed in their order.
inline std::vector<int> CandidatesOf(const CVantor& tournament, const CParticipant& participant)
{
    std::vector<int> candidates;
    for (std::size_t k = 0; k < participant.m_Candidates.size(); ++k)
        candidates.push_back(Candidate(tournament, participant.m_Candidates, k));
    return candidates;
}
