#include "driver/Failure.h"

#include "pgn/TerminalText.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace
{
const CFailureClass& ClassOf(EFailure failure)
{
    for (const CFailureClass& entry : FailureClasses)
        if (entry.m_Failure == failure)
            return entry;
    return FailureClasses.front();
}
} // namespace

int Fail(EFailure failure, const std::string& detail)
{
    const CFailureClass& entry = ClassOf(failure);
    if (failure == EFailure::Usage)
        std::cerr << (detail.empty() ? entry.m_Line : detail) << '\n';
    else if (failure == EFailure::FailedWrite)
        std::cerr << "Cannot write file " << TerminalText(detail) << std::endl;
    else if (failure == EFailure::RefusedChange)
        std::cerr << "Cannot " << TerminalText(detail) << std::endl;
    else if (failure == EFailure::FailedStandardOutput)
        std::cerr << "Cannot write standard output: " << detail << std::endl;
    else if (failure == EFailure::TournamentOver)
        std::cerr << "Nothing to pair: " << TerminalText(detail) << std::endl;
    return entry.m_ExitStatus;
}

void ReportOutOfMemory()
{
    // Nothing may be allocated here: the line is written as it stands.
    const CFailureClass& entry = ClassOf(EFailure::OutOfMemory);
    const std::string_view line = entry.m_Line;
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.data(), line.size());
    [[maybe_unused]] const auto ended = ::write(STDERR_FILENO, "\n", 1);
    std::_Exit(entry.m_ExitStatus);
}
