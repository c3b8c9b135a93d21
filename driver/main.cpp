#include "driver/CommandLine.h"
#include "driver/Failure.h"
#include "driver/RunModes.h"
#include "driver/StandardOutput.h"

#include <csignal>
#include <iostream>
#include <new>
#include <optional>
#include <string>

namespace
{
int RunCommandLine(int argc, char** argv)
{
    CCommandLine line;
    const bool understood = ParseCommandLine(argc, argv, line);
    // The banner belongs to the pairing run; the reports print only what they report.
    if (!understood || line.m_Mode->m_Banner)
        std::cout << "Vantor beta 3\n"
                  << "Swiss pairings for chess tournaments, by the Vantor developers" << std::endl;
    // A mode named by its option is shown with its own arguments; anything else gets the pairing
    // run's usage line.
    if (!understood)
        return Fail(EFailure::Usage, line.m_Mode == nullptr || line.m_Mode->m_Option.empty()
                                         ? std::string()
                                         : "usage: " + Synopsis(*line.m_Mode));
    return RunMode(line);
}
} // namespace

// One run pairs one round, or reports on the tournament without writing anything: the modes are
// the rows of the table in RunModes.h. The exit status is 0, or that of the failure class (see
// Failure.h).
int main(int argc, char** argv)
{
    ReserveStandardDescriptors();
    std::set_new_handler(ReportOutOfMemory);
    // A file size limit must fail the write, not kill the run half way through it; a console
    // that has gone away (a pipe whose reader quit) must not keep the round from being written.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    // Whatever a mode writes to standard output is checked here, once for every mode: a report
    // cut short by a full disk must not end as if it were complete.
    CStandardOutput standardOutput;
    const int status = RunCommandLine(argc, argv);
    if (const std::optional<std::string> failure = standardOutput.Failure())
        return Fail(EFailure::FailedStandardOutput, *failure);
    return status;
}
