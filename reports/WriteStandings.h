#pragma once

#include <iosfwd>

class CVantor;
struct CStandingsTable;

// The standings of the table as the director publishes them (the columns in StandingsTable.h),
// headed by the event's title where the file names the event or its number of rounds.

// Aligned columns for a terminal or a printed page (reports/TextTable.h), names with their
// control characters written out (pgn/TerminalText.h); a withdrawn participant's name is marked
// "(withdrawn)".
void WriteStandingsText(std::ostream& stream, const CVantor& tournament,
                        const CStandingsTable& table);

// CSV (reports/CsvCell.h): a byte-order mark, a Status column ("withdrawn") after the name, a name
// that a spreadsheet would take for a formula made plain text.
void WriteStandingsCsv(std::ostream& stream, const CVantor& tournament,
                       const CStandingsTable& table);

// One self-contained HTML page: the standings and the crosstable (reports/HtmlPage.h).
void WriteStandingsHtml(std::ostream& stream, const CVantor& tournament,
                        const CStandingsTable& table);
