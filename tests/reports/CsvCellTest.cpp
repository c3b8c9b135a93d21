#include "reports/CsvCell.h"

#include <gtest/gtest.h>

namespace
{
struct CCell
{
    const char* m_Text;
    const char* m_AsText;   // a name from the file
    const char* m_AsFigure; // what the program formats itself
};

const CCell Rows[] = {
    {"Adler, Maren", "\"Adler, Maren\"", "\"Adler, Maren\""},
    {"Li \"Ace\" Chen", "\"Li \"\"Ace\"\" Chen\"", "\"Li \"\"Ace\"\" Chen\""},
    {"Line\nfeed", "\"Line\nfeed\"", "\"Line\nfeed\""},
    {"=1+1", "'=1+1", "=1+1"},
    {"+49 Club", "'+49 Club", "+49 Club"},
    {"-0.5", "'-0.5", "-0.5"},
    {"@SUM(A1:A9)", "'@SUM(A1:A9)", "@SUM(A1:A9)"},
    {"\tTab", "'\tTab", "\tTab"},
    {"\rReturn", "\"'\rReturn\"", "\"\rReturn\""},
    {"=HYPERLINK(\"x\",\"y\")", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"",
     "\"=HYPERLINK(\"\"x\"\",\"\"y\"\")\""},
    {"Ann=1", "Ann=1", "Ann=1"},
    {"", "", ""},
};

TEST(CsvCell, QuotesWhereNeededAndGuardsTextAgainstFormulas)
{
    for (const CCell& row : Rows)
    {
        EXPECT_EQ(CsvTextCell(row.m_Text), row.m_AsText) << row.m_Text;
        EXPECT_EQ(CsvCell(row.m_Text), row.m_AsFigure) << row.m_Text;
    }
}
} // namespace
