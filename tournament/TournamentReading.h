#pragma once

#include "pgn/PgnReader.h"
#include "tournament/BoardRecord.h"
#include "tournament/RoundEntry.h"
#include "tournament/Vantor.h"

#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

class CParticipant;

// One rebuilding of the tournament from its file. Every game becomes history entries of its two
// participants and every escape command is carried out, in file order, with the participant-list
// messages on the console. What looks like a director's slip is warned about through the reader,
// but read exactly as written: the warnings change nothing.
class CTournamentReading
{
public:
    CTournamentReading(CVantor& tournament, CPgnReader& reader, std::ostream& console);

    // Reads every record; false after a diagnostic, which ends the reading.
    bool ReadAll();

private:
    // The games (TournamentReading.cpp).
    bool AddGame(const CPgnGame& game);
    int AddPlayer(const CPgnGame& game, const char* tag, const char* colour);
    void ReadRating(const CPgnGame& game, const char* tag, int index);
    bool IsWithinRoundLimit(int white, int black, int round);
    void Store(int player, int opponent, int round, bool white, int points);
    std::int32_t& GameLine(int player, int round);
    CBoardRecord ReadBoard(const CPgnGame& game);
    void NoteBoard(int white, int black, int round, const CBoardRecord& board, int boardNumber);
    void NoteForfeit(int white, int black, int round, const CBoardRecord& board, int boardNumber);
    int PairedParticipant(const std::string& name, const char* tag);
    bool IsWithinFieldLimit();
    std::string NameOf(int index) const;
    CParticipant& Record(int index);
    std::vector<CRoundEntry>& HistoryOf(int index);
    static std::string Quoted(const std::string& text);
    // PGN's own ways of writing an unknown value, which read as 0 without being a slip.
    static bool IsUnknownValue(const std::string& text);

    // The warnings about the games (ReadingWarnings.cpp).
    void WarnNotWhole(const std::string& what, const std::string& text, const std::string& readAs,
                      std::int32_t line);
    void WarnNaming(std::int32_t line, const std::string& message, const std::string& name);
    void WarnAboutRound(const std::string& text, int round);
    void WarnAboutMeeting(int white, int black, int round);
    void WarnAboutSecondGame(int player, int opponent, int round);
    std::string FateOfTwoGames(int player, int opponent, int round);
    bool IsFreeForAbsentee(int player, int round);

    void NoteEntries();
    // The rounds as a whole and the byes requested (ReadingRounds.cpp).
    void CountBoard(int round, const CBoardRecord& board);
    void RequestBye(const std::string& name, const std::string* result);
    void FinishRounds();
    void WarnAboutRound(int round);
    void SettleRequestedByes();

    // The escape commands (EscapeCommands.cpp).
    bool ApplyEscape(const CPgnGame& escape);
    bool SetParameter(const std::string& keyword, const std::string& value);
    bool DescribeEvent(const std::string& command, const std::string& value);
    void WarnAboutRoundsPlayed();
    bool ChangeParticipantList(const std::string& command, const std::string& name,
                               const CPgnGame& escape, bool& known);
    void AddOrRate(const std::string& name, const std::string* ratingText);
    void WarnAboutRestOfLine(const std::string& command, const CPgnGame& escape);
    bool Replace(const std::string& name, const std::string& newName);
    void SetPresence(const std::string& command, const std::string& name);
    bool RefusesReserved(const std::string& command, const std::string& name);

    CVantor& m_Tournament;
    CPgnReader& m_Reader;
    std::ostream& m_Console;
    int m_LatestRound = 0;         // the greatest round named by a game's Round tag so far
    bool m_Announces = false;      // a %new was read: the file announces its participants
    bool m_GameRead = false;       // a game has been read: who enters now is a late entry
    std::int32_t m_RoundsLine = 0; // where the number of rounds was set, 0 while it is not
    // The line of the game behind every stored history entry, by participant and round.
    std::vector<std::vector<std::int32_t>> m_GameLines;

    // What the games of one round told, by round.
    struct CRoundSeen
    {
        int m_Boards = 0;
        int m_Present = 0; // participants present when its first board was read
        std::int32_t m_FirstLine = 0;
        std::vector<int> m_LeftUnplayed; // the lines of its games left at *
    };
    std::map<int, CRoundSeen> m_Rounds;

    // A %bye, for the round after the latest one read before it.
    struct CByeRequest
    {
        CRequestedBye m_Bye;
        int m_Round = 0;
        std::int32_t m_Line = 0;
    };
    std::vector<CByeRequest> m_ByeRequests;
};
