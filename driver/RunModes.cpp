#include "driver/RunModes.h"

#include "driver/Failure.h"
#include "driver/ReadInput.h"

#include <iostream>
#include <string>

int RunMode(const CCommandLine& line)
{
    const CRunMode& mode = *line.m_Mode;
    if (mode.m_CheckFirst != nullptr)
        if (const std::optional<int> status = mode.m_CheckFirst(line))
            return *status;
    CVantor tournament;
    CWarnings warnings(std::cerr);
    if (mode.m_Notes)
        warnings.ShowNotes();
    if (mode.m_Input != EInput::None)
    {
        std::ostream& console = mode.m_Input == EInput::WithMessages ? std::cout : Nowhere();
        if (const auto failure = ReadInput(line.m_Arguments.front(), tournament, warnings, console))
            return Fail(*failure);
    }
    return mode.m_Run({line, tournament, warnings});
}

// "vantor --standings [--csv] <input pgn file>"
std::string Synopsis(const CRunMode& mode)
{
    std::string text = "vantor";
    if (!mode.m_Option.empty())
        text.append(" ").append(mode.m_Option);
    std::string flags;
    for (const CFormatFlag& flag : FormatFlags)
        if (Takes(mode, flag.m_Format))
            flags.append(flags.empty() ? "" : "|").append(flag.m_Flag);
    if (!flags.empty())
        text.append(" [").append(flags).append("]");
    if (!mode.m_Arguments.empty())
        text.append(" ").append(mode.m_Arguments);
    return text;
}

// Every mode with its help line, then the modes that need none on one line.
int PrintHelp(const CModeRun&)
{
    std::cout << FailureClasses.front().m_Line << "\n"
              << "Pairs the next round of a Swiss-system chess tournament kept in one PGN file.\n"
                 "\n";
    std::string plain;
    for (const CRunMode& mode : RunModes)
    {
        if (mode.m_Help.empty())
            plain.append(plain.empty() ? Synopsis(mode) : " | " + std::string(mode.m_Option));
        else
            std::cout << "  " << Synopsis(mode) << "\n      " << mode.m_Help << "\n";
    }
    std::cout << "  " << plain << "\n"
              << "\n"
                 "The escape commands, the weights and the exit status: man vantor\n";
    return 0;
}

int PrintVersion(const CModeRun&)
{
    std::cout << "vantor " << VANTOR_VERSION << "\n";
    return 0;
}
