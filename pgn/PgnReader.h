#pragma once

// pgn/ reads the text of a tournament file and shows text safely; it uses no other folder.
//   PgnReader.h, PgnReader.cpp, ReadGame.cpp  the reader: tokens (PgnToken.h, CharacterClasses.h)
//                                             and one record per call, a game's tags or an escape
//                                             command (PgnGame.h), with the input diagnostics
//   Warnings.h      the warnings about a director's slips, the first 50 shown
//   TerminalText.h  a name as a terminal may show it
//   Utf8.h          the characters of UTF-8 text
// Used by tournament/ (the reading), reports/ and driver/.

#include "pgn/PgnGame.h"
#include "pgn/PgnToken.h"
#include "pgn/Warnings.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

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
    // Warnings about games that are read but not counted go to warnings, when one is given.
    explicit CPgnReader(const char* fileName, CWarnings* warnings = nullptr);
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
    // A warning about the line given, when the reader has somewhere to send it.
    void Warn(std::int32_t line, const std::string& message);
    // A note about the line given (see CWarnings::Note).
    void Note(std::int32_t line, const std::string& message);
    bool NextWarningIsShown() const { return m_Warnings != nullptr && m_Warnings->NextIsShown(); }

    // Where the last record delivered began, and where its tag of this name stood (its last
    // occurrence); the record's first line for a tag it does not hold.
    std::int32_t RecordLine() const { return m_RecordLine; }
    std::int32_t TagLine(const std::string& name) const;
    // What stood on the last escape line after the arguments it reads, which is ignored.
    const std::string& EscapeLineRest() const { return m_EscapeRest; }
    // Whether the file ended inside a game, which is dropped: text appended to the file would
    // continue that game.
    bool EndsInsideGame() const { return m_EndsInsideGame; }

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
    // A game whose termination marker is missing: the next game's tag pairs land in its record
    // and replace its own, so it is never counted. What it was is kept for the warning.
    struct CUnterminatedGame
    {
        std::string m_White;
        std::string m_Black;
        std::string m_Result;
        std::int32_t m_Line = 0;
    };

    // Any failed state counts as the end, so a reader whose file did not open yields nothing.
    bool AtEnd() const { return !m_Stream.good(); }
    void SkipByteOrderMark();
    bool ReadTagPair(CPgnGame& game, std::string& expectedResult);
    bool SkipVariation();
    bool ReadEscapeLine(CPgnGame& game);
    void StartRecord();
    void NoteTag(const CPgnGame& game, const std::string& name, std::int32_t line);
    // CheckTags, and the warnings of a game that passed it.
    bool CheckDelivered(const CPgnGame& game);
    void WarnUncounted(bool atEnd, const CPgnGame& game);
    void KeepUnterminated(const CPgnGame& game);

    CWarnings* m_Warnings = nullptr;
    std::int32_t m_RecordLine = 0;
    std::int32_t m_GameLine = 0;              // where the game now being read began
    std::array<std::int32_t, 6> m_TagLines{}; // of the tags that warnings locate; 0 when not read
    bool m_HasWhite = false;                  // since m_GameLine
    bool m_HasBlack = false;
    std::vector<CUnterminatedGame> m_Unterminated;
    std::string m_EscapeRest;
    bool m_EndsInsideGame = false;
};
