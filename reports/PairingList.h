#pragma once

#include "pgn/Warnings.h"
#include "tournament/BoardRecord.h"
#include "tournament/Vantor.h"

#include <string>
#include <vector>

// The boards of a round file (the round a pairing run wrote, results entered or not) as the
// published pairing list shows them, read against the tournament it belongs to.
struct CListedBoard
{
    int m_Board = 0; // the number after the dot of the Round tag
    // The players as paired, by index: for a bye, its receiver as White and the bye record as
    // Black, whichever side the file gives him.
    int m_White = 0;
    int m_Black = 0;
    EBoardResult m_Result = EBoardResult::Unplayed;
    bool m_RequestedBye = false;

    bool IsBye() const;
};

struct CPairingList
{
    int m_Round = 0;
    std::vector<CListedBoard> m_Boards; // in board order
};

// The columns every form of the list writes, and the cells of a board under them (numbers: the
// start numbers, reports/StartNumbers.h). The result as the wall shows it: "1-0", "½-½", "+-",
// "-+", "--", a bye's points ("1", "½", "0"), nothing before it is entered.
enum EPairingsColumn : std::size_t
{
    BoardColumn,
    WhiteNumberColumn,
    WhiteNameColumn,
    WhiteRatingColumn,
    WhitePointsColumn,
    ResultColumn,
    BlackNumberColumn,
    BlackNameColumn,
    BlackRatingColumn,
    BlackPointsColumn,
};
std::vector<std::string> PairingsHeader();
std::vector<std::string> BoardCells(const CVantor& tournament, const std::vector<int>& numbers,
                                    const CListedBoard& board);
// The result in points, as a spreadsheet takes it: a forfeit as the points it gives ("0-0" when
// neither came), a bye's points alone.
std::string ResultInPoints(const CListedBoard& board);
// "forfeit", "bye", "requested bye", or empty for a game.
const char* BoardKind(const CListedBoard& board);

// "pairings of round 6 of 9", titled with the event's name.
std::string PairingsTitle(const CEvent& event, int round);

// Reads the round file with the reader every mode uses (the same diagnostics, and warnings about
// the program's own tags) and refuses, with one diagnostic, a file that does not belong to the
// tournament: a name that is no participant of it, a round that is not its next one (or lies
// after its last), boards of several rounds, a participant on two boards, no board at all.
EReading ReadPairingList(const std::string& fileName, const CVantor& tournament,
                         CWarnings& warnings, CPairingList& list);
