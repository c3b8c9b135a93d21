#pragma once

#include <iosfwd>

class CVantor;
struct CStandingsTable;

// The standings of the table as the director reads them: place, name (marked when the
// participant has withdrawn), rating, points, BH-C1, BH, SB, games played and one cell per round
// ("12w1": against the participant placed 12th, with White, won; "3b½", "bye1", "-" for no game).

// Aligned columns under a header line, for printing or pasting as they are; names in UTF-8 are
// aligned by characters, not bytes, and their control characters are written out.
void WriteStandingsText(std::ostream& stream, const CVantor& tournament,
                        const CStandingsTable& table);

// Comma-separated values as spreadsheets read them: fields quoted where they must be, a name that
// a spreadsheet would take for a formula made plain text, lines ended by CR LF, figures as plain
// decimals with a dot.
void WriteStandingsCsv(std::ostream& stream, const CVantor& tournament,
                       const CStandingsTable& table);
