#pragma once

// reports/ tells the director about the tournament, each report's figures beside its writer; it
// uses pairing/ (the boards in hand), tournament/ and pgn/.
//   StandingsTable.h, WriteStandings.h  the standings with tie-breaks and a crosstable, as text
//                                       or CSV (CsvCell.h: one cell)
//   RoundAudit.h, WriteAudit.h          every round against the basic Swiss rules
//   PointsText.h                        points as directors read them
// Used by driver/ (the report modes).

#include "tournament/Participant.h"
#include "tournament/RoundEntry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CVantor;

// One row of the published standings. Points and Buchholz figures are in half points,
// Sonneborn-Berger in quarter points (a half-point contribution times a half-point result), so
// that every figure is exact.
struct CStandingsRow
{
    int m_Participant = 0; // index into the tournament's m_Participants
    int m_Place = 0;       // from 1; rows equal on all four figures share it
    std::int32_t m_Points = 0;
    std::int32_t m_BuchholzCut1 = 0;
    std::int32_t m_Buchholz = 0;
    std::int32_t m_SonnebornBerger = 0;
    std::int32_t m_Games = 0; // games against participants, byes and rounds without a game aside
};

// The standings after the last round read: every real participant, the withdrawn ones
// included, best first.
struct CStandingsTable
{
    int m_Rounds = 0; // the highest round with a recorded game
    std::vector<CStandingsRow> m_Rows;
    std::vector<int> m_StartNumberOf; // by participant index; 0 for the reserved records
};

// Works from the histories as read, so it neither needs nor disturbs what the pairing prepares.
// Rounds without a game (absent, withdrawn, not yet entered, a game left unplayed) count for the
// tie-breaks as the international federation's rules for unplayed rounds say: against the
// participant himself as a dummy opponent; for his opponents, such rounds after his last game
// count as draws, so that leaving early makes nobody's earlier opponents weaker.
CStandingsTable BuildStandingsTable(const CVantor& tournament);

// The columns every form of the standings writes, and the cells of one row under them: place,
// start number, name, rating, points, BH-C1, BH, SB, games, then one cell per round ("12w1":
// against start number 12, with White, won; "3b½", "bye1", "-" for no game).
enum EStandingsColumn : std::size_t
{
    PlaceColumn,
    NumberColumn,
    NameColumn,
    RatingColumn,
    PointsColumn,
    GamesColumn = PointsColumn + 4,
    FirstRoundColumn,
};
std::vector<std::string> StandingsHeader(int rounds);
std::vector<std::string> StandingsCells(const CVantor& tournament, const CStandingsTable& table,
                                        const CStandingsRow& row);
