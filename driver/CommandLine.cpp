#include "driver/CommandLine.h"

#include "driver/RemoveSurroundingQuotes.h"

#include <string_view>
#include <vector>

namespace
{
// The options that stand alone, each naming its mode.
bool ParseAlone(std::string_view option, CCommandLine& line)
{
    if (option == "--help")
        line.m_Mode = ERunMode::Help;
    else if (option == "--version")
        line.m_Mode = ERunMode::Version;
    else
        return false;
    return true;
}

// The report modes: one option, --csv with --standings only, then the input file.
bool ParseReport(const std::vector<std::string_view>& words, CCommandLine& line)
{
    const std::string_view mode = words.front();
    const bool csv = words.size() == 3 && words[1] == "--csv";
    if ((words.size() != 2 && !(csv && mode == "--standings")) || words.back() == "--csv")
        return false;
    if (mode == "--check")
        line.m_Mode = ERunMode::Check;
    else if (mode == "--standings")
        line.m_Mode = ERunMode::Standings;
    else if (mode == "--audit")
        line.m_Mode = ERunMode::Audit;
    else
        return false;
    line.m_Csv = csv;
    line.m_Input = RemoveSurroundingQuotes(std::string(words.back()));
    return true;
}
} // namespace

bool ParseCommandLine(int argc, const char* const* argv, CCommandLine& line)
{
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    line = CCommandLine{};
    // An unknown option is a slip, not the name of an input file.
    if (!words.empty() && words.front().starts_with("--"))
        return words.size() == 1 ? ParseAlone(words.front(), line) : ParseReport(words, line);
    if (words.size() != 2)
        return false;
    line.m_Mode = ERunMode::Pair;
    line.m_Input = RemoveSurroundingQuotes(std::string(words[0]));
    line.m_Output = RemoveSurroundingQuotes(std::string(words[1]));
    return true;
}
