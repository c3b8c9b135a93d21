#include "driver/Failure.h"
#include "driver/RunModes.h"
#include "driver/WriteOutputFile.h"
#include "results/RoundFile.h"
#include "search/Pair.h"

#include <algorithm>
#include <string>
#include <sys/stat.h>

namespace
{
// The results a director has entered into a file: byes are the pairing's own. A file that does
// not read as PGN (its diagnostic printed) may be results half typed: counted as -1. The file
// read is left in file.
int EnteredResults(const std::string& name, CRoundFile& file)
{
    struct stat status
    {
    };
    if (::stat(name.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0)
        return 0;
    if (!file.Read(name))
        return -1;
    return static_cast<int>(std::count_if(file.Boards().begin(), file.Boards().end(),
                                          [](const CRoundBoard& board)
                                          { return board.m_Record.HasEnteredResult(); }));
}

// Whether the round file stands in the tournament file as it is, as appending leaves it: then
// pairing the next round over it loses nothing.
bool IsAppended(const CRoundFile& round, const std::string& tournament)
{
    const std::string roundText = round.Text();
    std::string tournamentText;
    return ReadWholeFile(tournament, tournamentText) && !roundText.empty() &&
           tournamentText.find(roundText) != std::string::npos;
}
} // namespace

std::optional<int> RefuseOutputFile(const CCommandLine& line)
{
    const std::string& input = line.m_Arguments[0];
    const std::string& output = line.m_Arguments[1];
    // The round would replace the whole tournament: every game and every % line.
    if (IsSameFile(input, output))
        return Fail(EFailure::FailedWrite,
                    output + ": it is the input file " + input +
                        ", and the round would replace every game in it; name another file");
    // A round whose results are being entered, paired again by mistake before it was appended.
    CRoundFile round;
    const int entered = EnteredResults(output, round);
    if (entered < 0)
        return Fail(EFailure::FailedWrite,
                    output + ": it does not read as a round (see above) and may hold results "
                             "being entered; mend it, or name another file");
    if (entered > 0 && !IsAppended(round, input))
        return Fail(EFailure::FailedWrite, output + ": it holds " + std::to_string(entered) +
                                               (entered == 1 ? " result" : " results") +
                                               " entered; append it first (vantor --append " +
                                               output + " " + input + "), or name another file");
    return std::nullopt;
}

int RunPairing(const CModeRun& run)
{
    const CVantor& tournament = run.m_Tournament;
    const auto played = static_cast<int>(tournament.RoundsPlayed());
    if (IsOver(tournament.m_Event, played))
        return Fail(EFailure::TournamentOver, run.m_Line.m_Arguments[0] + " holds all " +
                                                  std::to_string(played) + " rounds of the event");
    const std::string& output = run.m_Line.m_Arguments[1];
    std::string round;
    Pair(run.m_Tournament, round);
    std::string reason;
    if (!WriteOutputFile(output, round, reason))
        return Fail(EFailure::FailedWrite, output + ": " + reason);
    return 0;
}
