#include "pgn/PgnReader.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace
{
// A stray string may be a whole file whose opening quotation mark was never closed: the
// diagnostic shows only its beginning, on the one line it is given.
constexpr std::size_t LongestQuotedText = 60;

std::string Excerpt(const std::string& text)
{
    const std::size_t lineEnd = text.find_first_of("\r\n");
    const std::size_t length = std::min(lineEnd, LongestQuotedText);
    return length < text.size() ? text.substr(0, length) + "..." : text;
}
} // namespace

bool CPgnReader::Refuse(const char* message, const char* extra)
{
    Error(message, extra);
    return false;
}

bool CPgnReader::ReadGame(CPgnGame& game)
{
    game.clear();
    // Each Result tag read replaces it, so the last one is what the marker must match.
    std::string expectedResult = "*";
    for (;;)
    {
        switch (NextToken())
        {
        case PgnToken::EndOfFile:
            // A game without its termination marker is dropped silently.
            return false;
        case PgnToken::Integer:
        case PgnToken::Period:
        case PgnToken::Nag:
            break;
        case PgnToken::Symbol:
            if (m_Token == "1-0" || m_Token == "0-1" || m_Token == "1/2-1/2")
            {
                if (expectedResult != m_Token)
                    return Refuse("Game Termination Marker different from Result");
                return CheckTags(game);
            }
            break; // a move
        case PgnToken::Asterisk:
            if (expectedResult != "*")
                return Refuse("game termination marker different from result");
            return CheckTags(game);
        case PgnToken::String:
            return Refuse("unexpected string ", Excerpt(m_Token).c_str());
        case PgnToken::LeftParenthesis:
            if (!SkipVariation())
                return false;
            break;
        case PgnToken::RightParenthesis:
            return Refuse("unexpected ')'");
        case PgnToken::LeftBracket:
            if (!ReadTagPair(game, expectedResult))
                return false;
            break;
        case PgnToken::RightBracket:
            return Refuse("unexpected ']'");
        case PgnToken::Escape:
            return ReadEscapeLine(game);
        }
    }
}

bool CPgnReader::CheckTags(const CPgnGame& game)
{
    // The position printed is behind the termination marker, hence "above current line".
    for (const std::string tag : {"White", "Black", "Result"})
        if (!game.contains(tag))
            return Refuse(("'" + tag + "' missing (in game above current line)").c_str());
    return true;
}

bool CPgnReader::ReadTagPair(CPgnGame& game, std::string& expectedResult)
{
    // An all-digit name comes as an Integer and is refused with the rest.
    if (NextToken() != PgnToken::Symbol)
        return Refuse("symbol expected");
    const std::string name = m_Token;
    if (NextToken() != PgnToken::String)
        return Refuse("string expected");
    game[name] = m_Token;
    if (name == "Result")
        expectedResult = m_Token;
    if (NextToken() != PgnToken::RightBracket)
        return Refuse("']' expected");
    return true;
}

bool CPgnReader::SkipVariation()
{
    // A depth counter rather than recursion: a file may nest variations a million deep.
    std::size_t depth = 1;
    while (depth > 0)
    {
        switch (NextToken())
        {
        case PgnToken::LeftParenthesis:
            ++depth;
            break;
        case PgnToken::RightParenthesis:
            --depth;
            break;
        case PgnToken::EndOfFile:
            return Refuse("unexpected end of file");
        default:
            break; // everything inside a variation is dropped, markers and tags included
        }
    }
    return true;
}

bool CPgnReader::ReadEscapeLine(CPgnGame& game)
{
    // m_Line is already the line of the character after the %: the line of the command.
    const std::int32_t escapeLine = m_Line;
    if (NextToken() != PgnToken::Symbol)
        return Refuse("invalid %-escape command");
    const std::string command = m_Token;
    game["%"] = command;
    // A bare number is an Integer, not a String: arguments must be quoted.
    if (NextToken() != PgnToken::String)
        return Refuse("String expected");
    game[command] = m_Token;

    // Only blanks may separate the two arguments; a tab ends the search for a second one.
    while (m_Current == ' ')
    {
        if (!GetChar())
            return true;
    }
    if (command == "new" || command == "replace")
    {
        // Having read the line feed means the line held no second argument.
        if (m_Line != escapeLine)
            return Refuse("incomplete %-escape command");
        if (m_Current == '"')
        {
            NextToken();
            game["2."] = m_Token;
        }
        else if (command == "replace")
            return Refuse("String expected");
    }
    // The rest of the line is ignored; its line end stays current for the next call.
    while (!AtEnd() && m_Current != '\r' && m_Current != '\n')
        GetChar();
    return true;
}
