#include "reports/CsvCell.h"

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
