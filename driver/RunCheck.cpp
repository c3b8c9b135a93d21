#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "tournament/ReservedRecords.h"

#include <algorithm>
#include <iostream>

namespace
{
// "t.pgn: 31 participants, 30 present, 9 rounds, 2 warnings"
void PrintSummary(const std::string& name, const CVantor& tournament, std::int64_t warnings)
{
    const auto& participants = tournament.m_Participants;
    const auto first = participants.begin() + FirstParticipant;
    const auto present =
        std::count_if(first, participants.end(), [](const CParticipant& p) { return !p.m_Absent; });
    std::size_t rounds = 0;
    for (const CParticipant& participant : participants)
        rounds = std::max(rounds, participant.m_History.size());
    std::cout << name << ": " << participants.end() - first << " participants, " << present
              << " present, " << rounds << " rounds, " << warnings
              << (warnings == 1 ? " warning" : " warnings") << std::endl;
}
} // namespace

int RunCheck(const CCommandLine& line)
{
    CVantor tournament;
    CWarnings warnings(std::cerr);
    if (const auto failure = ReadInput(line.m_Input, tournament, warnings, std::cout))
        return Fail(*failure);
    PrintSummary(line.m_Input, tournament, warnings.Count());
    return warnings.Count() == 0 ? 0 : 1;
}
