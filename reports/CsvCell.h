#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// One cell of comma-separated values as spreadsheets read them: in quotation marks only where it
// must be (a comma, a quotation mark or a line end inside), quotation marks inside doubled.

// A cell the program writes itself, a figure ("-0.5", "17.25") or a round cell: never changed
// beyond the quoting.
std::string CsvCell(std::string_view text);

// A cell of text from the tournament file, such as a name: where a spreadsheet would take it for
// a formula (it starts with =, +, -, @, a tab or a carriage return), a leading ' makes it plain
// text, as spreadsheets show it, before it is quoted where it must be.
std::string CsvTextCell(std::string_view text);

// The byte-order mark that begins a file: the common spreadsheets, opened on it by a double click,
// then read it as UTF-8 (without it they take the bytes for a legacy code page and show "JÃ¶rg").
void WriteCsvStart(std::ostream& stream);

// One record of cells made by the two functions above, ended by CR LF.
void WriteCsvRecord(std::ostream& stream, const std::vector<std::string>& cells);
