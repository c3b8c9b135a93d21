#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Pages that a director puts on the club's web site or prints for the wall: one self-contained
// HTML5 file each, its style sheet inside, no script and nothing fetched. On a phone a wide table
// scrolls sideways and the ratings give way; printed on A4, every page is headed by the title and
// the column headers, and no row is split between two pages.

// Text from the file as a page shows it: a name is data, never markup, so the characters that
// HTML gives a meaning are written as references, in text and in attributes alike.
std::string HtmlText(std::string_view text);

enum class EPaper
{
    Portrait,
    Landscape, // for tables too wide for a portrait page
};

struct CPage
{
    std::string m_Title;      // the document's title and the header of every printed page
    std::string m_Heading;    // the event's name, or what the page is
    std::string m_Subheading; // what the page is, when the heading names the event
    EPaper m_Paper = EPaper::Portrait;
};

// A column of a table: its header, and the class of its cells ("name" to the left, "rating" left
// out on a phone, "result" centred), if any.
struct CHtmlColumn
{
    std::string_view m_Header;
    std::string_view m_Class;
};
using CHtmlColumns = std::vector<CHtmlColumn>;

// All text given is plain text, escaped here, but for the cells of a row, which are HTML already.
void WritePageStart(std::ostream& stream, const CPage& page);
void WriteSectionHeading(std::ostream& stream, std::string_view heading);
void WriteTableStart(std::ostream& stream, std::string_view printedTitle,
                     const CHtmlColumns& columns, std::string_view tableClass);
void WriteTableRow(std::ostream& stream, const CHtmlColumns& columns,
                   const std::vector<std::string>& cells, std::string_view rowClass = {});
void WriteTableEnd(std::ostream& stream);
// The notes below the tables, then the end of the page.
void WritePageEnd(std::ostream& stream, std::string_view notes);
