#include "reports/TextTable.h"

#include "pgn/DisplayWidth.h"

#include <algorithm>
#include <numeric>
#include <ostream>

namespace
{
constexpr std::size_t ColumnGap = 2;
// A name is never cut shorter than this: beyond it, a line may as well run over the page.
constexpr std::size_t ShortestName = 16;

using Widths = std::vector<std::size_t>;
using Block = std::vector<std::size_t>; // the columns of one block, in order

std::size_t LineWidth(const Widths& widths, const Block& block)
{
    std::size_t width = 0;
    for (const std::size_t column : block)
        width += widths[column];
    return width + ColumnGap * (block.empty() ? 0 : block.size() - 1);
}

Block Keys(const CTextTableShape& shape)
{
    Block keys(shape.m_KeyColumns);
    std::iota(keys.begin(), keys.end(), 0);
    return keys;
}

// The keys and the columns first to last - 1 of a section.
Block BlockOf(const CTextTableShape& shape, std::size_t first, std::size_t last)
{
    Block block = Keys(shape);
    for (std::size_t column = first; column < last; ++column)
        block.push_back(column);
    return block;
}

// A section in as few blocks of about equal numbers of columns as fit the page, each at least one
// column.
void SplitSection(const CTextTableShape& shape, const Widths& widths, std::size_t first,
                  std::size_t last, std::vector<Block>& blocks)
{
    const std::size_t columns = last - first;
    for (std::size_t parts = 1; parts <= columns; ++parts)
    {
        const std::size_t perPart = (columns + parts - 1) / parts;
        std::vector<Block> split;
        for (std::size_t start = first; start < last; start += perPart)
            split.push_back(BlockOf(shape, start, std::min(last, start + perPart)));
        const bool fits =
            std::all_of(split.begin(), split.end(),
                        [&](const Block& block) { return LineWidth(widths, block) <= PageWidth; });
        if (fits || perPart == 1)
        {
            blocks.insert(blocks.end(), split.begin(), split.end());
            return;
        }
    }
}

// The table whole where it fits, else each section in blocks of its own; a section is split only
// where cutting the longest names by a quarter would not make it fit.
std::vector<Block> PlanBlocks(const CTextTableShape& shape, const Widths& widths)
{
    const std::size_t columns = shape.m_Columns.size();
    const Block whole = BlockOf(shape, shape.m_KeyColumns, columns);
    if (LineWidth(widths, whole) <= PageWidth || shape.m_SectionStarts.empty())
        return {whole};
    const std::vector<std::size_t>& starts = shape.m_SectionStarts;
    Widths cut = widths;
    for (std::size_t column = 0; column < columns; ++column)
        if (shape.m_Columns[column].m_Name)
            cut[column] = std::max(std::min(cut[column], ShortestName), cut[column] * 3 / 4);
    std::vector<Block> blocks;
    for (std::size_t section = 0; section < starts.size(); ++section)
    {
        const std::size_t last = section + 1 < starts.size() ? starts[section + 1] : columns;
        SplitSection(shape, cut, starts[section], last, blocks);
    }
    return blocks;
}

// The names give up what the widest block needs, shared out among them, down to the shortest.
void CutNames(const CTextTableShape& shape, const std::vector<Block>& blocks, Widths& widths)
{
    std::size_t widest = 0;
    for (const Block& block : blocks)
        widest = std::max(widest, LineWidth(widths, block));
    std::vector<std::size_t> names;
    for (std::size_t column = 0; column < shape.m_Columns.size(); ++column)
        if (shape.m_Columns[column].m_Name)
            names.push_back(column);
    for (std::size_t excess = widest > PageWidth ? widest - PageWidth : 0; excess > 0;)
    {
        const auto longest =
            std::max_element(names.begin(), names.end(),
                             [&](std::size_t a, std::size_t b) { return widths[a] < widths[b]; });
        if (longest == names.end() || widths[*longest] <= ShortestName)
            return;
        --widths[*longest];
        --excess;
    }
}

void WriteLine(std::ostream& stream, const CTextTableShape& shape, const Widths& widths,
               const Block& block, const CTextRow& row)
{
    std::string line;
    for (const std::size_t column : block)
    {
        if (column != block.front())
            line.append(ColumnGap, ' ');
        const bool name = shape.m_Columns[column].m_Name;
        const CTextCell& cell = row[column];
        const std::size_t markWidth = DisplayWidth(cell.m_Mark);
        const std::string text =
            (name ? CutToWidth(cell.m_Text, widths[column] - std::min(widths[column], markWidth))
                  : cell.m_Text) +
            cell.m_Mark;
        const std::string padding(widths[column] - std::min(widths[column], DisplayWidth(text)),
                                  ' ');
        line.append(name ? text + padding : padding + text);
    }
    // A name at the end of the line leaves no blanks behind it.
    line.erase(line.find_last_not_of(' ') + 1);
    stream << line << '\n';
}
} // namespace

void WriteTextTable(std::ostream& stream, const CTextTableShape& shape,
                    const std::vector<CTextRow>& rows)
{
    CTextRow header;
    for (const CTextColumn& column : shape.m_Columns)
        header.emplace_back(column.m_Header);
    Widths widths(header.size(), 0);
    const auto widen = [&](const CTextRow& row)
    {
        for (std::size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], DisplayWidth(row[column].m_Text) +
                                                          DisplayWidth(row[column].m_Mark));
    };
    widen(header);
    for (const CTextRow& row : rows)
        widen(row);
    const std::vector<Block> blocks = PlanBlocks(shape, widths);
    CutNames(shape, blocks, widths);
    for (const Block& block : blocks)
    {
        if (&block != &blocks.front())
            stream << '\n';
        WriteLine(stream, shape, widths, block, header);
        for (const CTextRow& row : rows)
            WriteLine(stream, shape, widths, block, row);
    }
}
