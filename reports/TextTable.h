#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

// Tables for a terminal and a printed page: columns aligned by what a terminal shows (never by
// bytes), names to the left and everything else to the right, two blanks between columns, and no
// line wider than the page where the table can help it. A table too wide for the page is written
// in blocks, one after the other, each repeating the key columns (the ones that say whose row it
// is) and holding whole sections of the others where they fit; a name longer than still fits is
// cut, with an ellipsis.

// A cell: its text and, for a name, a mark that follows it and is never cut ("(withdrawn)").
struct CTextCell
{
    CTextCell(std::string text, std::string mark = {})
        : m_Text(std::move(text)), m_Mark(std::move(mark))
    {
    }
    CTextCell(const char* text) : m_Text(text) {}

    std::string m_Text;
    std::string m_Mark;
};

using CTextRow = std::vector<CTextCell>;

struct CTextColumn
{
    std::string m_Header;
    bool m_Name = false; // aligned left, and cut when the page needs it
};

struct CTextTableShape
{
    std::vector<CTextColumn> m_Columns;
    std::size_t m_KeyColumns = 0; // the first columns, repeated in every block
    // Where each section of the other columns begins; a section is split only when it alone does
    // not fit the page beside the key columns. Empty: the table is never split, only its names
    // are cut.
    std::vector<std::size_t> m_SectionStarts;
};

// A printed page of A4 in a fixed-width font of ten points.
inline constexpr std::size_t PageWidth = 80;

// The rows are built once and held: a table in blocks writes each row more than once, and a
// crosstable cell costs more to work out than to keep.
void WriteTextTable(std::ostream& stream, const CTextTableShape& shape,
                    const std::vector<CTextRow>& rows);
