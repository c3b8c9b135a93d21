#include "driver/CommandLine.h"

#include "driver/RunModes.h"

#include <string_view>
#include <vector>

namespace
{
// The mode a run's first word names: the row of its option, or the one without an option (the
// pairing run) for a word that is not an option.
const CRunMode* ModeNamedBy(std::string_view word)
{
    const std::string_view option = word.starts_with("--") ? word : std::string_view();
    for (const CRunMode& mode : RunModes)
        if (mode.m_Option == option)
            return &mode;
    return nullptr;
}

const CFormatFlag* FormatFlagOf(std::string_view word)
{
    for (const CFormatFlag& flag : FormatFlags)
        if (flag.m_Flag == word)
            return &flag;
    return nullptr;
}
} // namespace

std::string RemoveSurroundingQuotes(const std::string& argument)
{
    if (argument.size() > 2 && argument.front() == '"' && argument.back() == '"')
        return argument.substr(1, argument.size() - 2);
    return argument;
}

// At most one format flag, right after the option, and one the mode takes; then the mode's
// arguments.
bool ParseCommandLine(int argc, const char* const* argv, CCommandLine& line)
{
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    line = CCommandLine{};
    if (words.empty())
        return false;
    line.m_Mode = ModeNamedBy(words.front());
    if (line.m_Mode == nullptr)
        return false;
    const CRunMode& mode = *line.m_Mode;
    std::size_t next = mode.m_Option.empty() ? 0 : 1;
    for (; next < words.size(); ++next)
    {
        const CFormatFlag* flag = FormatFlagOf(words[next]);
        if (flag == nullptr)
            break;
        if (!Takes(mode, flag->m_Format) || line.m_Format != EFormat::Text)
            return false;
        line.m_Format = flag->m_Format;
    }
    for (; next < words.size(); ++next)
        line.m_Arguments.push_back(RemoveSurroundingQuotes(std::string(words[next])));
    const auto count = static_cast<int>(line.m_Arguments.size());
    return count >= mode.m_LeastArguments && count <= mode.m_MostArguments;
}
