#pragma once

// driver/ is the command line; it uses every other folder.
//   RunModes.h, .cpp   the table of modes (a new mode is one row), the run of a mode, the help
//   CommandLine.h      the parsing of the arguments by the table
//   RunPairing.cpp, RunReports.cpp  the run functions
//   ReadInput.h        the reading of the input for every mode; Nowhere()
//   WriteOutputFile.h  the all-or-nothing writing of the output file
//   Failure.h          the ways a run fails and their exit status
// Used by main.cpp.

#include "driver/CommandLine.h"
#include "pgn/Warnings.h"
#include "tournament/Vantor.h"

#include <limits>
#include <optional>
#include <string_view>

// The modes of the program, one row each in RunModes below: the parsing of the command line, the
// help text and the run all come from the table, so a new mode is one row and its run function.

// What a mode's run is given: the command line and, for a mode that reads the input, the
// tournament as read, its warnings counted (empty for the others).
struct CModeRun
{
    const CCommandLine& m_Line;
    CVantor& m_Tournament;
    const CWarnings& m_Warnings;
};

// The run functions, each returning the run's exit status.

// Pairs the next round and writes it to the output file.
int RunPairing(const CModeRun& run);
// Says what looks wrong: the warnings and one summary line; exit 0 only for a file without a
// diagnostic or warning.
int RunCheck(const CModeRun& run);
// Prints the standings with tie-breaks and a crosstable.
int RunStandings(const CModeRun& run);
// Audits every round, and the one the pairing run would write next, against the basic rules of
// the Swiss system.
int RunAudit(const CModeRun& run);
// Lists the boards of a round file of the tournament, to post on the wall and on the web.
int RunPairings(const CModeRun& run);
// Enters results into a round file, all of them or none (RunResults.cpp).
int RunResult(const CModeRun& run);
// Appends a round file, every result entered, to the tournament file, keeping the file as it was
// beside it as <tournament>.bak (RunResults.cpp).
int RunAppend(const CModeRun& run);
int PrintHelp(const CModeRun& run);
int PrintVersion(const CModeRun& run);

// Refuses, before anything is read, an output file that is the input file (the round would
// replace the whole tournament) or that holds results entered (a round paired again before it
// was appended). The exit status when it refuses.
std::optional<int> RefuseOutputFile(const CCommandLine& line);

// Whether and how a mode reads the input file, its first argument, before it runs. The reading's
// diagnostics and warnings always go to standard error; the participant-list messages go to
// standard output or nowhere.
enum class EInput
{
    None,
    WithMessages,
    WithoutMessages,
};

// The format flags: the format each chooses.
struct CFormatFlag
{
    std::string_view m_Flag;
    EFormat m_Format;
};
inline constexpr CFormatFlag FormatFlags[] = {
    {"--csv", EFormat::Csv},
    {"--html", EFormat::Html},
};

constexpr unsigned FormatBit(EFormat format)
{
    return 1u << static_cast<unsigned>(format);
}

inline constexpr int AnyNumber = std::numeric_limits<int>::max();

struct CRunMode
{
    std::string_view m_Option{};    // empty for the pairing run, which has none
    unsigned m_Formats = 0;         // FormatBit of every format it takes besides text
    std::string_view m_Arguments{}; // as the help text names them
    int m_LeastArguments = 0;
    int m_MostArguments = 0;   // AnyNumber for a list
    std::string_view m_Help{}; // one line; modes without one share the last line of the help
    EInput m_Input = EInput::None;
    bool m_Banner = false; // the program's banner first, as the pairing run prints it
    bool m_Notes = false;  // the reading's notes shown besides its warnings
    std::optional<int> (*m_CheckFirst)(const CCommandLine& line) = nullptr; // before reading
    int (*m_Run)(const CModeRun& run) = nullptr;
};

inline constexpr CRunMode RunModes[] = {
    {.m_Arguments = "<input pgn file> <output pgn file>",
     .m_LeastArguments = 2,
     .m_MostArguments = 2,
     .m_Help = "read the tournament, pair the next round, write it to the output file",
     .m_Input = EInput::WithMessages,
     .m_Banner = true,
     .m_CheckFirst = RefuseOutputFile,
     .m_Run = RunPairing},
    {.m_Option = "--check",
     .m_Arguments = "<input pgn file>",
     .m_LeastArguments = 1,
     .m_MostArguments = 1,
     .m_Help = "say what looks wrong in the file; exit status 1 when anything does",
     .m_Input = EInput::WithMessages,
     .m_Notes = true,
     .m_Run = RunCheck},
    {.m_Option = "--standings",
     .m_Formats = FormatBit(EFormat::Csv) | FormatBit(EFormat::Html),
     .m_Arguments = "<input pgn file>",
     .m_LeastArguments = 1,
     .m_MostArguments = 1,
     .m_Help = "print the standings with tie-breaks and a crosstable (--csv: as CSV, --html: as a "
               "web page)",
     .m_Input = EInput::WithoutMessages,
     .m_Run = RunStandings},
    {.m_Option = "--audit",
     .m_Arguments = "<input pgn file>",
     .m_LeastArguments = 1,
     .m_MostArguments = 1,
     .m_Help = "check every round, and the next one, against the basic Swiss rules",
     .m_Input = EInput::WithoutMessages,
     .m_Run = RunAudit},
    {.m_Option = "--pairings",
     .m_Formats = FormatBit(EFormat::Csv) | FormatBit(EFormat::Html),
     .m_Arguments = "<input pgn file> <round pgn file>",
     .m_LeastArguments = 2,
     .m_MostArguments = 2,
     .m_Help = "list the boards of the round file, as text, CSV or a web page",
     .m_Input = EInput::WithoutMessages,
     .m_Run = RunPairings},
    {.m_Option = "--result",
     .m_Arguments = "<round pgn file> <board> <result> [<board> <result> ...]",
     .m_LeastArguments = 3,
     .m_MostArguments = AnyNumber,
     .m_Help = "enter results: 1-0, 0-1, 1/2-1/2 (or = or 1/2), forfeits +- -+ --, * to clear",
     .m_Run = RunResult},
    {.m_Option = "--append",
     .m_Arguments = "<round pgn file> <tournament pgn file>",
     .m_LeastArguments = 2,
     .m_MostArguments = 2,
     .m_Help = "append the round, every result entered, to the tournament (keeps a .bak)",
     .m_Run = RunAppend},
    {.m_Option = "--help", .m_Run = PrintHelp},
    {.m_Option = "--version", .m_Run = PrintVersion},
};

inline bool Takes(const CRunMode& mode, EFormat format)
{
    return (mode.m_Formats & FormatBit(format)) != 0;
}

// How the mode is called, as the help shows it: "vantor --audit <input pgn file>".
std::string Synopsis(const CRunMode& mode);

// Runs the mode of a parsed command line: its check, the reading of the input, then the mode
// itself. Returns the exit status.
int RunMode(const CCommandLine& line);
