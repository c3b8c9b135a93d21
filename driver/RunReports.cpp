#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "reports/RoundAudit.h"
#include "reports/StandingsTable.h"
#include "reports/WriteAudit.h"
#include "reports/WriteStandings.h"
#include "search/Pair.h"
#include "tournament/ReservedRecords.h"

#include <iostream>
#include <string>

// The modes that report on the tournament and write no file.

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

int RunCheck(const CModeRun& run)
{
    const std::int64_t warnings = run.m_Warnings.Count();
    PrintSummary(run.m_Line.m_Arguments.front(), run.m_Tournament, warnings);
    return warnings == 0 ? 0 : 1;
}

int RunStandings(const CModeRun& run)
{
    const CStandingsTable table = BuildStandingsTable(run.m_Tournament);
    if (run.m_Line.m_Format == EFormat::Csv)
        WriteStandingsCsv(std::cout, run.m_Tournament, table);
    else
        WriteStandingsText(std::cout, run.m_Tournament, table);
    return 0;
}

int RunAudit(const CModeRun& run)
{
    // The next round is the one the pairing run would write; the written text and the closing
    // lines of the search are not the audit's to show.
    std::string round;
    PairNextRound(run.m_Tournament, round, Nowhere());
    WriteAudit(std::cout, run.m_Tournament, AuditTournament(run.m_Tournament));
    return 0;
}
