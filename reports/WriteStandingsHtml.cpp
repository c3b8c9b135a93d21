#include "reports/EventTitle.h"
#include "reports/HtmlPage.h"
#include "reports/StandingsTable.h"
#include "reports/WriteStandings.h"
#include "tournament/Vantor.h"

#include <ostream>
#include <string>
#include <vector>

namespace
{
// Beyond this many rounds the crosstable needs the width of a landscape page.
constexpr int RoundsOnPortrait = 4;

constexpr std::string_view Notes =
    "Players equal in points, BH-C1, BH and SB share a place. A round's cell names the opponent "
    "by start number (No.), the colour (w White, b Black) and the result; 12+ and 12-: a forfeit "
    "won or lost against No. 12; bye: a bye; -: no game.";

CHtmlColumns Columns(const std::vector<std::string>& header)
{
    CHtmlColumns columns;
    for (std::size_t column = 0; column < header.size(); ++column)
        columns.push_back({header[column], column == NameColumn     ? "name"
                                           : column == RatingColumn ? "rating"
                                                                    : ""});
    return columns;
}

CPage PageOf(const CEvent& event, int rounds)
{
    const std::string heading = StandingsHeading(event, rounds);
    CPage page{Titled(event, heading), Titled(event, heading), "",
               rounds > RoundsOnPortrait ? EPaper::Landscape : EPaper::Portrait};
    if (!event.m_Name.empty())
    {
        page.m_Heading = event.m_Name;
        page.m_Subheading = Titled(CEvent{}, heading);
    }
    return page;
}
} // namespace

void WriteStandingsHtml(std::ostream& stream, const CVantor& tournament,
                        const CStandingsTable& table)
{
    const CPage page = PageOf(tournament.m_Event, table.m_Rounds);
    const std::vector<std::string> header = StandingsHeader(table.m_Rounds);
    const CHtmlColumns columns = Columns(header);
    WritePageStart(stream, page);
    WriteTableStart(stream, page.m_Title, columns, "standings");
    for (const CStandingsRow& row : table.m_Rows)
    {
        std::vector<std::string> cells = StandingsCells(tournament, table, row);
        for (std::string& cell : cells)
            cell = HtmlText(cell);
        const bool withdrawn =
            tournament.m_Participants[static_cast<std::size_t>(row.m_Participant)].m_Absent;
        if (withdrawn)
            cells[NameColumn] += " <span class=\"note\">(withdrawn)</span>";
        WriteTableRow(stream, columns, cells, withdrawn ? "withdrawn" : "");
    }
    WriteTableEnd(stream);
    WritePageEnd(stream, Notes);
}
