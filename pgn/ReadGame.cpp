#include "pgn/PgnReader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

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

bool IsResult(const std::string& text)
{
    return text == "1-0" || text == "0-1" || text == "1/2-1/2" || text == "*";
}

// The tags whose lines warnings name; the others' are not kept.
constexpr std::array<std::string_view, 6> LocatedTags = {"White", "Black",    "Result",
                                                         "Round", "WhiteElo", "BlackElo"};

std::size_t LocatedTag(std::string_view name)
{
    return static_cast<std::size_t>(std::find(LocatedTags.begin(), LocatedTags.end(), name) -
                                    LocatedTags.begin());
}
} // namespace

void CPgnReader::Warn(std::int32_t line, const std::string& message)
{
    if (m_Warnings != nullptr)
        m_Warnings->Warn(m_FileName, line, message);
}

void CPgnReader::Note(std::int32_t line, const std::string& message)
{
    if (m_Warnings != nullptr)
        m_Warnings->Note(m_FileName, line, message);
}

std::int32_t CPgnReader::TagLine(const std::string& name) const
{
    const std::size_t tag = LocatedTag(name);
    return tag < m_TagLines.size() && m_TagLines[tag] != 0 ? m_TagLines[tag] : m_RecordLine;
}

void CPgnReader::StartRecord()
{
    m_RecordLine = 0;
    m_GameLine = 0;
    m_TagLines.fill(0);
    m_HasWhite = false;
    m_HasBlack = false;
    m_Unterminated.clear();
}

// The game now being read, which will not be counted. The director finds why at its Result
// tag, which the termination marker follows, or else at its first line.
void CPgnReader::KeepUnterminated(const CPgnGame& game)
{
    const std::int32_t line = game.contains("Result") ? TagLine("Result") : m_GameLine;
    m_Unterminated.push_back(
        {TagValue(game, "White"), TagValue(game, "Black"), TagValue(game, "Result"), line});
}

// A second White or Black tag in one record means that the game before it never ended: its tags
// are about to be replaced, so what it was is kept for the warning.
void CPgnReader::NoteTag(const CPgnGame& game, const std::string& name, std::int32_t line)
{
    const std::size_t tag = LocatedTag(name);
    if (tag < m_TagLines.size())
        m_TagLines[tag] = line;
    if (name != "White" && name != "Black")
        return;
    bool& seen = name == "White" ? m_HasWhite : m_HasBlack;
    if (seen)
    {
        KeepUnterminated(game);
        m_GameLine = line;
        m_HasWhite = false;
        m_HasBlack = false;
    }
    seen = true;
}

// The games of this record that are not counted, because their termination marker is missing
// or unreadable: the next game's tags replaced theirs, or the file ended.
void CPgnReader::WarnUncounted(bool atEnd, const CPgnGame& game)
{
    if (atEnd && !game.empty())
        KeepUnterminated(game);
    for (std::size_t k = 0; k < m_Unterminated.size(); ++k)
    {
        const CUnterminatedGame& lost = m_Unterminated[k];
        const bool last = atEnd && k + 1 == m_Unterminated.size();
        std::string message = "the game \"" + lost.m_White + "\" - \"" + lost.m_Black + "\" ";
        if (lost.m_Result.empty() || IsResult(lost.m_Result))
            message += "has no readable termination marker (1-0, 0-1, 1/2-1/2 or *)";
        else
            message += "has the result \"" + lost.m_Result + "\", none of 1-0, 0-1, 1/2-1/2, *";
        message += last ? ": not counted, the file ends first"
                        : ": not counted, its tags were replaced by those of the next game";
        Warn(lost.m_Line, message);
    }
}

bool CPgnReader::Refuse(const char* message, const char* extra)
{
    Error(message, extra);
    return false;
}

bool CPgnReader::ReadGame(CPgnGame& game)
{
    game.clear();
    StartRecord();
    // Each Result tag read replaces it, so the last one is what the marker must match.
    std::string expectedResult = "*";
    for (;;)
    {
        const PgnToken token = NextToken();
        if (m_RecordLine == 0)
            m_RecordLine = m_GameLine = m_Line;
        switch (token)
        {
        case PgnToken::EndOfFile:
            // A game without its termination marker is dropped, with a warning.
            WarnUncounted(true, game);
            m_EndsInsideGame = !game.empty();
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
                return CheckDelivered(game);
            }
            break; // a move
        case PgnToken::Asterisk:
            if (expectedResult != "*")
                return Refuse("game termination marker different from result");
            return CheckDelivered(game);
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

bool CPgnReader::CheckDelivered(const CPgnGame& game)
{
    if (!CheckTags(game))
        return false;
    WarnUncounted(false, game);
    return true;
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
    const std::int32_t line = m_Line;
    if (NextToken() != PgnToken::Symbol)
        return Refuse("symbol expected");
    const std::string name = m_Token;
    if (NextToken() != PgnToken::String)
        return Refuse("string expected");
    NoteTag(game, name, line);
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
    m_EscapeRest.clear();
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
    // A requested bye's result is a second argument of the program's own, so its absence is the
    // tournament reading's to warn about, never a fault of the file.
    const bool onLine = m_Line == escapeLine;
    if (command == "new" || command == "replace" || command == "bye")
    {
        // Having read the line feed means the line held no second argument.
        if (!onLine && command != "bye")
            return Refuse("incomplete %-escape command");
        if (onLine && m_Current == '"')
        {
            NextToken();
            game["2."] = m_Token;
        }
        else if (command == "replace")
            return Refuse("String expected");
    }
    // The rest of the line is ignored, kept only for the warning about it; its line end stays
    // current for the next call.
    while (!AtEnd() && m_Current != '\r' && m_Current != '\n')
    {
        m_EscapeRest += m_Current;
        GetChar();
    }
    return true;
}
