#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "pgn/TerminalText.h"
#include "reports/PairingList.h"
#include "reports/RoundAudit.h"
#include "reports/StandingsTable.h"
#include "reports/WriteAudit.h"
#include "reports/WritePairings.h"
#include "reports/WriteStandings.h"
#include "search/Pair.h"
#include "tournament/ReservedRecords.h"

#include <iostream>
#include <string>

// The modes that report on the tournament and write no file.

namespace
{
// "1 round", "9 rounds".
std::string Counted(std::size_t count, const char* noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// "t.pgn: 31 participants, 30 present, 9 rounds, 2 warnings"
void PrintSummary(const std::string& name, const CVantor& tournament, std::int64_t warnings)
{
    std::cout << TerminalText(name) << ": "
              << Counted(tournament.m_Participants.size() - FirstParticipant, "participant") << ", "
              << tournament.PresentCount() << " present, "
              << Counted(tournament.RoundsPlayed(), "round") << ", "
              << Counted(static_cast<std::size_t>(warnings), "warning") << std::endl;
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
    switch (run.m_Line.m_Format)
    {
    case EFormat::Text:
        WriteStandingsText(std::cout, run.m_Tournament, table);
        break;
    case EFormat::Csv:
        WriteStandingsCsv(std::cout, run.m_Tournament, table);
        break;
    case EFormat::Html:
        WriteStandingsHtml(std::cout, run.m_Tournament, table);
        break;
    }
    return 0;
}

int RunAudit(const CModeRun& run)
{
    // The next round is the one the pairing run would write; the written text and the closing
    // lines of the search are not the audit's to show.
    std::string round;
    if (!IsOver(run.m_Tournament.m_Event, static_cast<int>(run.m_Tournament.RoundsPlayed())))
        PairNextRound(run.m_Tournament, round, Nowhere());
    WriteAudit(std::cout, run.m_Tournament, AuditTournament(run.m_Tournament));
    return 0;
}

int RunPairings(const CModeRun& run)
{
    CWarnings warnings(std::cerr);
    CPairingList list;
    const EReading reading =
        ReadPairingList(run.m_Line.m_Arguments[1], run.m_Tournament, warnings, list);
    warnings.Finish();
    if (reading != EReading::Read)
        return Fail(reading == EReading::CannotOpen ? EFailure::UnreadableInput
                                                    : EFailure::RefusedInput);
    switch (run.m_Line.m_Format)
    {
    case EFormat::Text:
        WritePairingsText(std::cout, run.m_Tournament, list);
        break;
    case EFormat::Csv:
        WritePairingsCsv(std::cout, run.m_Tournament, list);
        break;
    case EFormat::Html:
        WritePairingsHtml(std::cout, run.m_Tournament, list);
        break;
    }
    return 0;
}
