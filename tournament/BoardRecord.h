#pragma once

#include "pgn/PgnGame.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How a board of a round is stored as one PGN game. The pairing reads a game only by its White,
// Black, Result and rating tags, so a forfeit is stored as what it means there: a won game of the
// winner against BYE, no game for the one who did not come; a double forfeit stays at "*". The
// word forfeit, the opponent paired and a requested bye are kept in tags of the program's own,
// which nothing the pairing reads depends on.
enum class EBoardResult
{
    Unplayed,        // "*"
    WhiteWins,       // "1-0"
    BlackWins,       // "0-1"
    Draw,            // "1/2-1/2"
    WhiteForfeitWin, // "+-": Black did not come
    BlackForfeitWin, // "-+": White did not come
    DoubleForfeit,   // "--": neither came
};

// The tags of the program's own.
inline constexpr const char* ForfeitTag = "Forfeit";
inline constexpr const char* PairedWhiteTag = "PairedWhite";
inline constexpr const char* PairedBlackTag = "PairedBlack";
inline constexpr const char* ByeTag = "Bye";
inline constexpr const char* RequestedByeValue = "requested";

// One board as it was paired, whatever its result: White and Black (a bye's are its receiver and
// BYE), their ratings as the tags wrote them (empty without a tag), and the result.
struct CBoardRecord
{
    std::string m_White;
    std::string m_WhiteElo;
    std::string m_Black;
    std::string m_BlackElo;
    EBoardResult m_Result = EBoardResult::Unplayed;
    bool m_RequestedBye = false;

    bool IsBye() const;
    bool IsForfeit() const;
    // A result someone entered after the pairing: a bye's result was written by the pairing.
    bool HasEnteredResult() const { return !IsBye() && m_Result != EBoardResult::Unplayed; }
};

using CTagList = std::vector<std::pair<std::string, std::string>>;

// The board a game record stores. When the program's own tags do not fit the game's players and
// result, reason says why and the board is the game as its result says.
CBoardRecord DecodeBoard(const CPgnGame& game, std::string& reason);

// The tag pairs White to Result (Round given) and the program's own, in the order written.
CTagList EncodeBoard(const CBoardRecord& board, const std::string& round);

// The Result tag and termination marker of a board: "1-0", "0-1", "1/2-1/2" or "*".
const char* ResultMarker(EBoardResult result);

// What a director types: 1-0, 0-1, 1/2-1/2 (also = and 1/2), +-, -+, --, and * to clear it.
std::optional<EBoardResult> ReadResultNotation(std::string_view text);
// The notation of a result, as the director types it.
const char* ResultNotation(EBoardResult result);

// The number after the dot of a Round tag, "5.3" giving 3; 0 without one.
int BoardNumber(const std::string& round);
