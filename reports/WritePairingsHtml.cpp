#include "reports/EventTitle.h"
#include "reports/HtmlPage.h"
#include "reports/PairingList.h"
#include "reports/WritePairings.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace
{
constexpr std::string_view Notes =
    "Points: before the round. +- and -+: won by White or by Black because the opponent did not "
    "come; --: neither came. A bye's result is the points it gives.";

CHtmlColumns BoardColumns()
{
    static const std::vector<std::string> header = PairingsHeader();
    CHtmlColumns columns;
    for (std::size_t column = 0; column < header.size(); ++column)
    {
        const bool name = column == WhiteNameColumn || column == BlackNameColumn;
        const bool rating = column == WhiteRatingColumn || column == BlackRatingColumn;
        columns.push_back({header[column], name                     ? "name"
                                           : rating                 ? "rating"
                                           : column == ResultColumn ? "result"
                                                                    : ""});
    }
    return columns;
}

// Where a player sits: one row per player of the round.
struct CSeat
{
    int m_Participant = 0;
    int m_Board = 0;
    const char* m_Colour = "";
};

std::vector<CSeat> SeatsByName(const CVantor& tournament, const CPairingList& list)
{
    std::vector<CSeat> seats;
    for (const CListedBoard& board : list.m_Boards)
    {
        seats.push_back({board.m_White, board.m_Board, board.IsBye() ? BoardKind(board) : "White"});
        if (!board.IsBye())
            seats.push_back({board.m_Black, board.m_Board, "Black"});
    }
    const auto name = [&](const CSeat& seat) -> const std::string&
    { return tournament.m_Participants[static_cast<std::size_t>(seat.m_Participant)].m_Name; };
    std::stable_sort(seats.begin(), seats.end(),
                     [&](const CSeat& a, const CSeat& b)
                     { return ComesBeforeByName(name(a), name(b)); });
    return seats;
}

void WritePlayers(std::ostream& stream, const CVantor& tournament, const CPairingList& list,
                  const std::string& title)
{
    static const CHtmlColumns columns{{"Name", "name"}, {"No.", ""}, {"Board", ""}, {"Colour", ""}};
    WriteSectionHeading(stream, "Players by name");
    WriteTableStart(stream, title + " (players by name)", columns, "players");
    const std::vector<int> numbers = StartNumbers(tournament);
    for (const CSeat& seat : SeatsByName(tournament, list))
    {
        const auto index = static_cast<std::size_t>(seat.m_Participant);
        WriteTableRow(stream, columns,
                      {HtmlText(tournament.m_Participants[index].m_Name),
                       std::to_string(numbers[index]), std::to_string(seat.m_Board),
                       seat.m_Colour});
    }
    WriteTableEnd(stream);
}
} // namespace

void WritePairingsHtml(std::ostream& stream, const CVantor& tournament, const CPairingList& list)
{
    const CEvent& event = tournament.m_Event;
    const std::string title = PairingsTitle(event, list.m_Round);
    CPage page{title, title, "", EPaper::Portrait};
    if (!event.m_Name.empty())
    {
        page.m_Heading = event.m_Name;
        page.m_Subheading = PairingsTitle(CEvent{{}, event.m_Rounds}, list.m_Round);
    }
    WritePageStart(stream, page);
    const CHtmlColumns columns = BoardColumns();
    WriteTableStart(stream, title, columns, "boards");
    const std::vector<int> numbers = StartNumbers(tournament);
    for (const CListedBoard& board : list.m_Boards)
    {
        std::vector<std::string> cells = BoardCells(tournament, numbers, board);
        for (std::string& cell : cells)
            cell = HtmlText(cell);
        WriteTableRow(stream, columns, cells, board.IsBye() ? "bye" : "");
    }
    WriteTableEnd(stream);
    WritePlayers(stream, tournament, list, title);
    WritePageEnd(stream, Notes);
}
