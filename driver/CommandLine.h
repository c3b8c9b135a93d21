#pragma once

#include <string>
#include <vector>

struct CRunMode;

// The formats a report can be written in, each chosen by its flag right after the mode's option.
enum class EFormat
{
    Text,
    Csv,  // --csv
    Html, // --html
};

// What one run of the program is asked to do: the mode (a row of the table in RunModes.h), the
// format and the mode's arguments, surrounding quotes removed.
struct CCommandLine
{
    const CRunMode* m_Mode = nullptr;
    EFormat m_Format = EFormat::Text;
    std::vector<std::string> m_Arguments;
};

// An argument that arrives with its own pair of surrounding double quotes (as some shells and
// batch files pass them) loses that one pair; anything else is used unchanged.
std::string RemoveSurroundingQuotes(const std::string& argument);

// False when the arguments fit no mode: the run then prints the usage line. An option that
// names no mode is a slip, never the name of an input file.
bool ParseCommandLine(int argc, const char* const* argv, CCommandLine& line);
