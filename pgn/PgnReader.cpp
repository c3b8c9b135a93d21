#include "pgn/PgnReader.h"

#include "pgn/CharacterClasses.h"
#include "pgn/TerminalText.h"

#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>

namespace
{
// The characters besides letters and digits that may continue a symbol. Looked up in a
// string_view rather than with strchr, which would also find a NUL byte (its terminator).
bool ContinuesSymbol(char c)
{
    return IsDigit(c) || IsLetter(c) ||
           std::string_view("_+#=:-/").find(c) != std::string_view::npos;
}
} // namespace

CPgnReader::CPgnReader(const char* fileName, CWarnings* warnings)
    : m_Stream(fileName), m_FileName(fileName), m_Warnings(warnings)
{
    // A folder opens as a stream and fails only at its first read, which one standard library
    // reports as an error and another as the end of an empty file; it is no file to read, so it
    // is refused like one that cannot be opened, whatever the library: closed and failed.
    std::error_code unknown;
    if (m_Stream.is_open() && std::filesystem::is_directory(fileName, unknown))
    {
        m_Stream.close();
        m_Stream.setstate(std::ios::failbit);
    }
    if (!m_Stream.is_open())
    {
        Error("Cannot open file");
        return;
    }
    GetChar();
    SkipByteOrderMark();
}

// Editors put a UTF-8 byte-order mark before the first line. It is no part of that line: the
// columns count from the character behind it, so that a % there still opens an escape line.
// Outside a string a lone 0xEF would only start a symbol that is dropped as a move, so skipping
// it where the rest of the mark does not follow changes nothing.
void CPgnReader::SkipByteOrderMark()
{
    if (m_Current != '\xEF' || m_Stream.peek() != 0xBB)
        return;
    GetChar();
    if (m_Stream.peek() != 0xBF)
        return;
    GetChar();
    m_Column = 0;
    GetChar();
}

bool CPgnReader::GetChar()
{
    // The end of input arrives as the byte 0xFF and still counts as a column. The characters are
    // taken from the stream's buffer directly: the stream's own get() costs a sentry object per
    // character, a third of the reading. At the end the stream is marked as get() would mark it.
    const int c = m_Stream.rdbuf()->sbumpc();
    if (c == std::ifstream::traits_type::eof())
        m_Stream.setstate(std::ios::eofbit | std::ios::failbit);
    m_Current = static_cast<char>(c);
    if (m_Current == '\n')
    {
        ++m_Line;
        m_Column = 0;
    }
    else
        ++m_Column;
    return !AtEnd();
}

void CPgnReader::SkipWhiteSpace()
{
    bool skipped = true;
    while (skipped && !AtEnd())
    {
        skipped = false;
        while (IsWhiteSpace(m_Current))
        {
            skipped = true;
            if (!GetChar())
                return;
        }
        if (m_Current == ';')
        {
            // The line end stays current and is skipped as white space on the next pass.
            skipped = true;
            do
            {
                if (!GetChar())
                    return;
            } while (m_Current != '\r' && m_Current != '\n');
        }
        if (m_Current == '{')
        {
            // Brace comments do not nest: the first closing brace ends this one.
            skipped = true;
            do
            {
                if (!GetChar())
                    return;
            } while (m_Current != '}');
            GetChar();
        }
    }
}

PgnToken CPgnReader::NextToken()
{
    if (AtEnd())
        return PgnToken::EndOfFile;
    SkipWhiteSpace();
    if (AtEnd())
        return PgnToken::EndOfFile;

    PgnToken single;
    switch (m_Current)
    {
    case '"':
        ReadString();
        return PgnToken::String;
    case '$':
        ReadNag();
        return PgnToken::Nag;
    case '%':
        // Only a % that opens its line is an escape; anywhere else it starts a symbol.
        if (m_Column != 1)
            return ReadSymbol();
        single = PgnToken::Escape;
        break;
    case '(':
        single = PgnToken::LeftParenthesis;
        break;
    case ')':
        single = PgnToken::RightParenthesis;
        break;
    case '*':
        single = PgnToken::Asterisk;
        break;
    case '.':
        single = PgnToken::Period;
        break;
    case '[':
        single = PgnToken::LeftBracket;
        break;
    case ']':
        single = PgnToken::RightBracket;
        break;
    default:
        return ReadSymbol();
    }
    GetChar();
    return single;
}

PgnToken CPgnReader::ReadSymbol()
{
    // Whatever character we stand on starts the symbol, even one that could not continue it,
    // so that no character is ever rejected.
    m_Token.assign(1, m_Current);
    PgnToken kind = IsDigit(m_Current) ? PgnToken::Integer : PgnToken::Symbol;
    while (GetChar() && ContinuesSymbol(m_Current))
    {
        m_Token += m_Current;
        if (!IsDigit(m_Current))
            kind = PgnToken::Symbol;
    }
    return kind;
}

void CPgnReader::ReadString()
{
    m_Token.clear();
    while (GetChar())
    {
        if (m_Current == '"')
        {
            GetChar();
            return;
        }
        // A backslash makes the next character literal, whatever it is.
        if (m_Current == '\\' && !GetChar())
            return;
        m_Token += m_Current;
    }
}

void CPgnReader::ReadNag()
{
    m_Token.clear();
    while (GetChar() && IsDigit(m_Current))
        m_Token += m_Current;
}

void CPgnReader::Error(const char* message, const char* extra)
{
    // The diagnostic ends the reading, and is the last line the director reads.
    if (m_Warnings != nullptr)
        m_Warnings->Finish();
    m_Ok = false;
    // The message may quote the file (a stray string, a name): one line, whatever it holds.
    std::cerr << "info string PGN-Parser: file " << TerminalText(m_FileName) << " line " << m_Line
              << " char " << m_Column << ": " << TerminalText(message);
    if (extra != nullptr)
        std::cerr << TerminalText(extra);
    std::cerr << std::endl;
}
