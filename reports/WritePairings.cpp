#include "reports/WritePairings.h"

#include "pgn/TerminalText.h"
#include "reports/CsvCell.h"
#include "reports/EventTitle.h"
#include "reports/PairingList.h"
#include "reports/TextTable.h"
#include "tournament/Vantor.h"

#include <ostream>
#include <string>
#include <vector>

void WritePairingsText(std::ostream& stream, const CVantor& tournament, const CPairingList& list)
{
    stream << TerminalText(PairingsTitle(tournament.m_Event, list.m_Round)) << "\n\n";
    // Two names and eight figures share 80 columns: the headers are short.
    const CTextTableShape shape{{{"Bd"},
                                 {"No."},
                                 {"White", true},
                                 {"Rtg"},
                                 {"Pts"},
                                 {"Res"},
                                 {"No."},
                                 {"Black", true},
                                 {"Rtg"},
                                 {"Pts"}},
                                0,
                                {}};
    const std::vector<int> numbers = StartNumbers(tournament);
    std::vector<CTextRow> rows;
    for (const CListedBoard& board : list.m_Boards)
    {
        std::vector<std::string> cells = BoardCells(tournament, numbers, board);
        for (const std::size_t name : {WhiteNameColumn, BlackNameColumn})
            cells[name] = TerminalText(cells[name]);
        rows.emplace_back(std::make_move_iterator(cells.begin()),
                          std::make_move_iterator(cells.end()));
    }
    WriteTextTable(stream, shape, rows);
    stream.flush();
}

// Each column says whose it is, and the result is in points with the kind of board beside it, so
// that a spreadsheet reads every cell as what it is.
void WritePairingsCsv(std::ostream& stream, const CVantor& tournament, const CPairingList& list)
{
    WriteCsvStart(stream);
    if (HasTitle(tournament.m_Event))
    {
        WriteCsvRecord(stream, {CsvTextCell(PairingsTitle(tournament.m_Event, list.m_Round))});
        WriteCsvRecord(stream, {});
    }
    WriteCsvRecord(stream, {"Board", "White No.", "White", "White Rating", "White Points", "Result",
                            "Black No.", "Black", "Black Rating", "Black Points", "Kind"});
    const std::vector<int> numbers = StartNumbers(tournament);
    for (const CListedBoard& board : list.m_Boards)
    {
        std::vector<std::string> cells = BoardCells(tournament, numbers, board);
        cells[ResultColumn] = ResultInPoints(board);
        if (board.IsBye())
            cells[BlackNameColumn].clear();
        cells.emplace_back(BoardKind(board));
        for (std::size_t column = 0; column < cells.size(); ++column)
            cells[column] = column == WhiteNameColumn || column == BlackNameColumn
                                ? CsvTextCell(cells[column])
                                : CsvCell(cells[column]);
        WriteCsvRecord(stream, cells);
    }
    stream.flush();
}
