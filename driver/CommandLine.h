#pragma once

#include <string>

// What one run of the program is asked to do. Every mode but help and version reads the input
// file through the same code as the pairing run.
enum class ERunMode
{
    Pair,      // vantor <input> <output>
    Check,     // vantor --check <input>
    Standings, // vantor --standings [--csv] <input>
    Audit,     // vantor --audit <input>
    Help,      // vantor --help
    Version,   // vantor --version
};

struct CCommandLine
{
    ERunMode m_Mode = ERunMode::Pair;
    bool m_Csv = false;
    std::string m_Input;  // surrounding quotes removed
    std::string m_Output; // the pairing run's only
};

// False when the arguments fit no mode: the run then prints the usage line.
bool ParseCommandLine(int argc, const char* const* argv, CCommandLine& line);
