#include "reports/WriteStandings.h"

#include "pgn/TerminalText.h"
#include "reports/CsvCell.h"
#include "reports/EventTitle.h"
#include "reports/StandingsTable.h"
#include "reports/TextTable.h"
#include "tournament/Vantor.h"

#include <ostream>
#include <string>
#include <vector>

namespace
{
const CParticipant& ParticipantOf(const CVantor& tournament, const CStandingsRow& row)
{
    return tournament.m_Participants[static_cast<std::size_t>(row.m_Participant)];
}

// The place, the start number and the name say whose row it is; the figures and the rounds are
// sections of their own, so that a table too wide for the page puts the crosstable below.
CTextTableShape TextShape(int rounds)
{
    CTextTableShape shape;
    for (const std::string& header : StandingsHeader(rounds))
        shape.m_Columns.push_back({header, shape.m_Columns.size() == NameColumn});
    shape.m_KeyColumns = NameColumn + 1;
    shape.m_SectionStarts = {RatingColumn, FirstRoundColumn};
    return shape;
}

std::string Title(const CVantor& tournament, const CStandingsTable& table)
{
    return Titled(tournament.m_Event, StandingsHeading(tournament.m_Event, table.m_Rounds));
}
} // namespace

void WriteStandingsText(std::ostream& stream, const CVantor& tournament,
                        const CStandingsTable& table)
{
    if (HasTitle(tournament.m_Event))
        stream << TerminalText(Title(tournament, table)) << "\n\n";
    std::vector<CTextRow> rows;
    rows.reserve(table.m_Rows.size());
    for (const CStandingsRow& row : table.m_Rows)
    {
        std::vector<std::string> cells = StandingsCells(tournament, table, row);
        cells[NameColumn] = TerminalText(cells[NameColumn]);
        rows.emplace_back(std::make_move_iterator(cells.begin()),
                          std::make_move_iterator(cells.end()));
        if (ParticipantOf(tournament, row).m_Absent)
            rows.back()[NameColumn].m_Mark = " (withdrawn)";
    }
    WriteTextTable(stream, TextShape(table.m_Rounds), rows);
    stream.flush();
}

void WriteStandingsCsv(std::ostream& stream, const CVantor& tournament,
                       const CStandingsTable& table)
{
    WriteCsvStart(stream);
    if (HasTitle(tournament.m_Event))
    {
        WriteCsvRecord(stream, {CsvTextCell(Title(tournament, table))});
        WriteCsvRecord(stream, {});
    }
    std::vector<std::string> header = StandingsHeader(table.m_Rounds);
    header.insert(header.begin() + NameColumn + 1, "Status");
    WriteCsvRecord(stream, header);
    for (const CStandingsRow& row : table.m_Rows)
    {
        std::vector<std::string> cells = StandingsCells(tournament, table, row);
        for (std::size_t column = 0; column < cells.size(); ++column)
            cells[column] =
                column == NameColumn ? CsvTextCell(cells[column]) : CsvCell(cells[column]);
        cells.insert(cells.begin() + NameColumn + 1,
                     ParticipantOf(tournament, row).m_Absent ? "withdrawn" : "");
        WriteCsvRecord(stream, cells);
    }
    stream.flush();
}
