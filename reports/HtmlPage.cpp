#include "reports/HtmlPage.h"

#include <ostream>

namespace
{
// Screen first; then a phone, which loses the ratings; then paper, where the title row of every
// table's head is shown instead of the page's header, so that each printed page carries it.
constexpr std::string_view StyleSheet =
    ":root{color-scheme:light}\n"
    "body{margin:0;padding:1rem;font:15px/1.4 system-ui,-apple-system,\"Segoe UI\",Roboto,"
    "\"Noto Sans\",sans-serif;color:#111;background:#fff}\n"
    "h1{margin:0;font-size:1.5rem}\n"
    "h2{margin:1.5rem 0 .5rem;font-size:1.2rem}\n"
    "header p{margin:.25rem 0 1rem;color:#444}\n"
    ".scroll{overflow-x:auto}\n"
    "table{border-collapse:collapse;font-variant-numeric:tabular-nums}\n"
    "th,td{padding:.25rem .5rem;border-bottom:1px solid #ddd;text-align:right;"
    "white-space:nowrap}\n"
    "th{background:#eee;font-weight:600}\n"
    ".name{text-align:left;white-space:normal;min-width:8em}\n"
    ".result{text-align:center}\n"
    "tbody tr:nth-child(even){background:#f6f6f6}\n"
    "tr.withdrawn{color:#777}\n"
    ".note{font-size:.85em;color:#666}\n"
    "tr.title{display:none}\n"
    "footer{margin-top:1rem;color:#555;font-size:.85em}\n"
    "@media (max-width:40em){body{padding:.5rem;font-size:14px}th,td{padding:.2rem .3rem}"
    ".rating{display:none}}\n"
    "@media print{\n"
    "body{padding:0;font-size:9pt}\n"
    "header,h2{display:none}\n"
    ".scroll{overflow:visible}\n"
    "table{width:100%}\n"
    "thead{display:table-header-group}\n"
    "tr.title{display:table-row}\n"
    "tr.title th{background:none;border:0;text-align:left;font-size:11pt;padding:0 0 .4rem}\n"
    "tr{break-inside:avoid}\n"
    ".scroll+h2+.scroll{break-before:page}\n"
    "footer{font-size:8pt}\n"
    "}\n";

void WriteClass(std::ostream& stream, std::string_view name)
{
    if (!name.empty())
        stream << " class=\"" << name << '"';
}
} // namespace

std::string HtmlText(std::string_view text)
{
    std::string html;
    html.reserve(text.size());
    for (const char character : text)
        switch (character)
        {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '\'':
            html += "&#39;";
            break;
        default:
            html += character;
        }
    return html;
}

void WritePageStart(std::ostream& stream, const CPage& page)
{
    stream << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           << "<title>" << HtmlText(page.m_Title) << "</title>\n<style>\n"
           << StyleSheet << "@page{size:A4 "
           << (page.m_Paper == EPaper::Landscape ? "landscape" : "portrait")
           << ";margin:12mm 10mm}\n</style>\n</head>\n<body>\n<header>\n<h1>"
           << HtmlText(page.m_Heading) << "</h1>\n";
    if (!page.m_Subheading.empty())
        stream << "<p>" << HtmlText(page.m_Subheading) << "</p>\n";
    stream << "</header>\n";
}

void WriteSectionHeading(std::ostream& stream, std::string_view heading)
{
    stream << "<h2>" << HtmlText(heading) << "</h2>\n";
}

void WriteTableStart(std::ostream& stream, std::string_view printedTitle,
                     const CHtmlColumns& columns, std::string_view tableClass)
{
    stream << "<div class=\"scroll\">\n<table";
    WriteClass(stream, tableClass);
    stream << ">\n<thead>\n<tr class=\"title\"><th colspan=\"" << columns.size() << "\">"
           << HtmlText(printedTitle) << "</th></tr>\n<tr>";
    for (const CHtmlColumn& column : columns)
    {
        stream << "<th";
        WriteClass(stream, column.m_Class);
        stream << '>' << HtmlText(column.m_Header) << "</th>";
    }
    stream << "</tr>\n</thead>\n<tbody>\n";
}

void WriteTableRow(std::ostream& stream, const CHtmlColumns& columns,
                   const std::vector<std::string>& cells, std::string_view rowClass)
{
    stream << "<tr";
    WriteClass(stream, rowClass);
    stream << '>';
    for (std::size_t column = 0; column < cells.size(); ++column)
    {
        stream << "<td";
        WriteClass(stream, columns[column].m_Class);
        stream << '>' << cells[column] << "</td>";
    }
    stream << "</tr>\n";
}

void WriteTableEnd(std::ostream& stream)
{
    stream << "</tbody>\n</table>\n</div>\n";
}

void WritePageEnd(std::ostream& stream, std::string_view notes)
{
    if (!notes.empty())
        stream << "<footer><p>" << HtmlText(notes) << "</p></footer>\n";
    stream << "</body>\n</html>\n";
    stream.flush();
}
