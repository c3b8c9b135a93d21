#include "reports/CsvCell.h"

#include <ostream>

namespace
{
bool StartsFormula(std::string_view text)
{
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}
} // namespace

std::string CsvCell(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string cell = "\"";
    for (const char character : text)
    {
        if (character == '"')
            cell += '"';
        cell += character;
    }
    return cell + '"';
}

std::string CsvTextCell(std::string_view text)
{
    return StartsFormula(text) ? CsvCell("'" + std::string(text)) : CsvCell(text);
}

void WriteCsvStart(std::ostream& stream)
{
    stream << "\xEF\xBB\xBF";
}

void WriteCsvRecord(std::ostream& stream, const std::vector<std::string>& cells)
{
    for (std::size_t column = 0; column < cells.size(); ++column)
        stream << (column == 0 ? "" : ",") << cells[column];
    stream << "\r\n";
}
