#include "pgn/PgnReader.h"

#include <algorithm>
#include <cstddef>

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
                {
                    Error("Game Termination Marker different from Result");
                    return false;
                }
                return CheckTags(game);
            }
            break; // a move
        case PgnToken::Asterisk:
            if (expectedResult != "*")
            {
                Error("game termination marker different from result");
                return false;
            }
            return CheckTags(game);
        case PgnToken::String:
            Error("unexpected string ", Excerpt(m_Token).c_str());
            return false;
        case PgnToken::LeftParenthesis:
            if (!SkipVariation())
                return false;
            break;
        case PgnToken::RightParenthesis:
            Error("unexpected ')'");
            return false;
        case PgnToken::LeftBracket:
            if (!ReadTagPair(game, expectedResult))
                return false;
            break;
        case PgnToken::RightBracket:
            Error("unexpected ']'");
            return false;
        case PgnToken::Escape:
            return ReadEscapeLine(game);
        }
    }
}

bool CPgnReader::CheckTags(const CPgnGame& game)
{
    // The position printed is behind the termination marker, hence "above current line".
    if (!game.contains("White"))
    {
        Error("'White' missing (in game above current line)");
        return false;
    }
    if (!game.contains("Black"))
    {
        Error("'Black' missing (in game above current line)");
        return false;
    }
    if (!game.contains("Result"))
    {
        Error("'Result' missing (in game above current line)");
        return false;
    }
    return true;
}

bool CPgnReader::ReadTagPair(CPgnGame& game, std::string& expectedResult)
{
    // An all-digit name comes as an Integer and is refused with the rest.
    if (NextToken() != PgnToken::Symbol)
    {
        Error("symbol expected");
        return false;
    }
    const std::string name = m_Token;
    if (NextToken() != PgnToken::String)
    {
        Error("string expected");
        return false;
    }
    game[name] = m_Token;
    if (name == "Result")
        expectedResult = m_Token;
    if (NextToken() != PgnToken::RightBracket)
    {
        Error("']' expected");
        return false;
    }
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
            Error("unexpected end of file");
            return false;
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
    {
        Error("invalid %-escape command");
        return false;
    }
    const std::string command = m_Token;
    game["%"] = command;
    // A bare number is an Integer, not a String: arguments must be quoted.
    if (NextToken() != PgnToken::String)
    {
        Error("String expected");
        return false;
    }
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
        {
            Error("incomplete %-escape command");
            return false;
        }
        if (m_Current == '"')
        {
            NextToken();
            game["2."] = m_Token;
        }
        else if (command == "replace")
        {
            Error("String expected");
            return false;
        }
    }
    // The rest of the line is ignored; its line end stays current for the next call.
    while (!AtEnd() && m_Current != '\r' && m_Current != '\n')
        GetChar();
    return true;
}
