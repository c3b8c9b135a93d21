#pragma once

#include "pgn/PgnGame.h"
#include "pgn/PgnToken.h"

#include <cstdint>
#include <fstream>
#include <string>

// Reads one PGN file with the tournament's % escape lines, one record per ReadGame call. The
// tokenizer never rejects a character; the parser stops at the first syntax error, prints one
// diagnostic on standard error and leaves m_Ok false for good. There is no resynchronisation:
// the caller stops at the first ReadGame that returns false.
//
// The position always describes m_Current, the one character of look-ahead, so a diagnostic
// printed after a token points at the first character behind it.
class CPgnReader
{
public:
    explicit CPgnReader(const char* fileName);
    CPgnReader(const CPgnReader&) = delete;
    CPgnReader& operator=(const CPgnReader&) = delete;

    bool IsOpen() const { return m_Stream.is_open(); }
    bool IsOk() const { return m_Ok; }

    // Empties game and reads one record into it: a complete game that passed its checks, or one
    // escape line. False at the end of the input (no diagnostic) and after a diagnostic.
    bool ReadGame(CPgnGame& game);

    // True when game holds White, Black and Result; otherwise reports the first one missing.
    bool CheckTags(const CPgnGame& game);

    // Prints "info string PGN-Parser: file <name> line <n> char <n>: <message><extra>" on
    // standard error and clears m_Ok. Also used by the tournament reader for its own errors.
    void Error(const char* message, const char* extra = nullptr);
    // Error, for the parser's many ways to fail: reports and returns false.
    bool Refuse(const char* message, const char* extra = nullptr);

    // The tokenizer. Each piece stops as soon as the stream is at the end of the input, which is
    // told by the stream's state and never by the character: a 0xFF byte may be real data.
    PgnToken NextToken();
    bool GetChar();
    void SkipWhiteSpace();
    PgnToken ReadSymbol();
    void ReadString();
    void ReadNag();

    std::ifstream m_Stream;
    std::int32_t m_Line = 1;
    std::int32_t m_Column = 0; // 0 while m_Current is a line feed
    std::string m_FileName;
    std::string m_Token; // text of the last string, integer, symbol or NAG token
    char m_Current = '\0';
    bool m_Ok = true;

private:
    // Any failed state counts as the end, so a reader whose file did not open yields nothing.
    bool AtEnd() const { return !m_Stream.good(); }
    void SkipByteOrderMark();
    bool ReadTagPair(CPgnGame& game, std::string& expectedResult);
    bool SkipVariation();
    bool ReadEscapeLine(CPgnGame& game);
};
