#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "driver/WriteOutputFile.h"
#include "pgn/TerminalText.h"
#include "results/AppendRound.h"
#include "results/EnterResults.h"

#include <iostream>

// The modes of the round cycle between two pairings: the results entered into the round file,
// then the round appended to the tournament. Each changes its file all at once or not at all.

int RunResult(const CModeRun& run)
{
    const std::vector<std::string>& arguments = run.m_Line.m_Arguments;
    const std::string& name = arguments.front();
    const std::string refused = "enter the results in " + name + ": ";
    std::vector<CResultEntry> entries;
    std::string reason;
    if (!ReadResultEntries({arguments.begin() + 1, arguments.end()}, entries, reason))
        return Fail(EFailure::RefusedChange, refused + reason);
    CRoundFile file;
    if (!file.Read(name))
        return Fail(EFailure::RefusedInput);
    std::vector<CBoardRecord> changed;
    if (!EnterResults(file, entries, changed, reason))
        return Fail(EFailure::RefusedChange, refused + reason);
    if (!WriteOutputFile(name, file.Text(), reason))
        return Fail(EFailure::FailedWrite, name + ": " + reason);
    for (std::size_t k = 0; k < entries.size(); ++k)
        std::cout << TerminalText(DescribeBoard(entries[k].m_Board, changed[k])) << '\n';
    return 0;
}

int RunAppend(const CModeRun& run)
{
    const std::string& roundName = run.m_Line.m_Arguments[0];
    const std::string& tournamentName = run.m_Line.m_Arguments[1];
    const std::string refused = "append " + roundName + " to " + tournamentName + ": ";
    if (IsSameFile(roundName, tournamentName))
        return Fail(EFailure::RefusedChange,
                    refused + "they are one file, whose games would all be there twice");
    CRoundFile round;
    if (!round.Read(roundName))
        return Fail(EFailure::RefusedInput);
    CWarnings warnings(std::cerr);
    if (const auto failure = ReadInput(tournamentName, run.m_Tournament, warnings, Nowhere()))
        return Fail(*failure);
    if (run.m_Tournament.m_EndsInsideGame)
        return Fail(EFailure::RefusedChange,
                    refused + "it ends inside a game without its termination marker (see the "
                              "warning above), which the round would run on in; mend it first");
    std::string reason;
    if (!CanAppend(run.m_Tournament, round, reason))
        return Fail(EFailure::RefusedChange, refused + reason);
    std::string before;
    if (!ReadWholeFile(tournamentName, before))
        return Fail(EFailure::RefusedChange, refused + "it cannot be read again");
    const std::string backup = tournamentName + ".bak";
    if (!WriteOutputFile(backup, before, reason))
        return Fail(EFailure::FailedWrite, backup + ": " + reason);
    if (!WriteOutputFile(tournamentName, AppendedText(before, round.Text()), reason))
        return Fail(EFailure::FailedWrite, tournamentName + ": " + reason);
    std::cout << TerminalText("Round " + std::to_string(run.m_Tournament.RoundsPlayed() + 1) +
                              " appended to " + tournamentName + ": " +
                              std::to_string(round.Boards().size()) +
                              " boards; the file as it was "
                              "is " +
                              backup)
              << '\n';
    return 0;
}
