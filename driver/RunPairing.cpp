#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "driver/WriteOutputFile.h"
#include "search/Pair.h"

#include <iostream>
#include <string>

int RunPairing(const CCommandLine& line)
{
    // The round would replace the whole tournament: every game and every % line.
    if (IsSameFile(line.m_Input, line.m_Output))
        return Fail(EFailure::FailedWrite,
                    line.m_Output + ": it is the input file " + line.m_Input +
                        ", and the round would replace every game in it; name another file");
    CVantor tournament;
    CWarnings warnings(std::cerr);
    if (const auto failure = ReadInput(line.m_Input, tournament, warnings, std::cout))
        return Fail(*failure);
    std::string round;
    Pair(tournament, round);
    std::string reason;
    if (!WriteOutputFile(line.m_Output, round, reason))
        return Fail(EFailure::FailedWrite, line.m_Output + ": " + reason);
    return 0;
}
