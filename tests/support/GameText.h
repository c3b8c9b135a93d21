#pragma once

#include <string>

// A tag value as a PGN file quotes it: backslashes and quotation marks escaped with a backslash.
inline std::string QuotedTagValue(const std::string& value)
{
    std::string quoted = "\"";
    for (const char character : value)
    {
        if (character == '"' || character == '\\')
            quoted += '\\';
        quoted += character;
    }
    return quoted + "\"";
}

// One game as a tournament file holds it, a tag a line: White, Black, Round (none for an empty
// round), the extra tag lines, Result, then the termination marker (the result unless another is
// given) and an empty line.
inline std::string GameText(const std::string& white, const std::string& black,
                            const std::string& round, const std::string& result = "1-0",
                            const std::string& extraTags = "", const std::string& marker = "")
{
    std::string text =
        "[White " + QuotedTagValue(white) + "]\n[Black " + QuotedTagValue(black) + "]\n";
    if (!round.empty())
        text += "[Round " + QuotedTagValue(round) + "]\n";
    return text + extraTags + "[Result " + QuotedTagValue(result) + "]\n" +
           (marker.empty() ? result : marker) + "\n\n";
}
