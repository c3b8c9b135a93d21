#pragma once

#include <iosfwd>

class CVantor;
struct CPairingList;

// The pairing list of a round as the director publishes it, headed by the event's title: one row
// per board in board order, White (start number, name, rating, points before the round), the
// result where one is entered, Black the same. A bye stands as "bye" or "requested bye" in
// Black's place, with the points it gives; a forfeit as "+-" or "-+" (won by White or Black),
// "--" when neither came.

// Aligned columns for a terminal or a printed page (reports/TextTable.h).
void WritePairingsText(std::ostream& stream, const CVantor& tournament, const CPairingList& list);

// CSV (reports/CsvCell.h): the result as points ("1-0", "½-½", "0-0" when neither came) and a
// Kind column ("forfeit", "bye", "requested bye") instead of a sign.
void WritePairingsCsv(std::ostream& stream, const CVantor& tournament, const CPairingList& list);

// One self-contained HTML page (reports/HtmlPage.h): the boards, then every player by name with
// his board and colour, as large opens post it.
void WritePairingsHtml(std::ostream& stream, const CVantor& tournament, const CPairingList& list);
