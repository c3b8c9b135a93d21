#include "driver/Failure.h"
#include "driver/RunModes.h"
#include "driver/WriteOutputFile.h"
#include "search/Pair.h"

#include <string>

std::optional<int> RefuseInputAsOutput(const CCommandLine& line)
{
    const std::string& input = line.m_Arguments[0];
    const std::string& output = line.m_Arguments[1];
    // The round would replace the whole tournament: every game and every % line.
    if (IsSameFile(input, output))
        return Fail(EFailure::FailedWrite,
                    output + ": it is the input file " + input +
                        ", and the round would replace every game in it; name another file");
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
