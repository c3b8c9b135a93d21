#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "tournament/ReservedRecords.h"

#include <iostream>

namespace
{
// "t.pgn: 31 participants, 30 present, 9 rounds, 2 warnings"
void PrintSummary(const std::string& name, const CVantor& tournament, std::int64_t warnings)
{
    std::cout << name << ": " << tournament.m_Participants.size() - FirstParticipant
              << " participants, " << tournament.PresentCount() << " present, "
              << tournament.RoundsPlayed() << " rounds, " << warnings
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
