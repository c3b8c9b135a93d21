#pragma once

#include <array>
#include <string>

// The ways a run can fail. Each ends the run with its exit status after one line on standard
// error, and leaves every file as it was.
enum class EFailure
{
    Usage,           // the arguments fit no mode
    UnreadableInput, // the input file cannot be opened
    RefusedInput,    // the input breaks the grammar or a limit of the tournament
    FailedWrite,     // the output file cannot be written, or is the input file itself
    TournamentOver,  // a pairing run after the last round that %rounds gives
    RefusedChange,   // results or a round that cannot be entered as asked
    OutOfMemory,
    // Standard output did not take all it was given (a reader that quit early, as `| head` does,
    // aside). It is found once the mode has run: a pairing run has written its round by then.
    FailedStandardOutput,
};

struct CFailureClass
{
    EFailure m_Failure;
    int m_ExitStatus;
    const char* m_Line; // what standard error shows; <...> stands for what the run fills in
};

// The table that the README repeats.
inline constexpr std::array<CFailureClass, 8> FailureClasses{{
    {EFailure::Usage, 1, "usage: Vantor.exe <input pgn file> <output pgn file>"},
    {EFailure::UnreadableInput, 1,
     "info string PGN-Parser: file <input> line 1 char 0: Cannot open file"},
    {EFailure::RefusedInput, 1,
     "info string PGN-Parser: file <input> line <n> char <n>: <what is wrong>"},
    {EFailure::FailedWrite, 1, "Cannot write file <output>: <reason>"},
    {EFailure::TournamentOver, 1, "Nothing to pair: <input> holds all <n> rounds of the event"},
    {EFailure::RefusedChange, 1, "Cannot <enter results in | append> <file>: <what is wrong>"},
    {EFailure::OutOfMemory, 1, "vantor: out of memory"},
    {EFailure::FailedStandardOutput, 1, "Cannot write standard output: <reason>"},
}};

// Prints the failure's line, unless the reader already has (the two input failures), and
// returns its exit status. detail is the file and reason of a failed write, what could not be
// done and why for a refused change, the reason standard output failed, or what a pairing run
// after the last round says of the input.
int Fail(EFailure failure, const std::string& detail = {});

// Installed before anything else: an allocation that fails ends the run with the line of
// OutOfMemory, never with an abort. No file has been touched by then, as the round is written
// only once it is complete.
void ReportOutOfMemory();
