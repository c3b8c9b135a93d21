#include "pgn/TerminalText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CShown
{
    std::string m_Text;
    std::string m_Shown;
};

// What a terminal would act on is written out; what it only shows is kept byte for byte.
const CShown Rows[] = {
    {"Adler, Maren", "Adler, Maren"},
    {"M\xC3\xBCller \xE6\x9D\x8E \xF0\x9F\x98\x80", "M\xC3\xBCller \xE6\x9D\x8E \xF0\x9F\x98\x80"},
    {"M\xFCller", "M\xFCller"}, // Latin-1, as another program saved it
    {"Line\nfeed\rand\ttab", "Line\\nfeed\\rand\\ttab"},
    {"\x1B]0;title\x07\x1B[1A\x1B[2K", "\\x1B]0;title\\x07\\x1B[1A\\x1B[2K"},
    {std::string("Nul\0Del\x7F", 8), "Nul\\x00Del\\x7F"},
    {"Csi\xC2\x9B"
     "2J",
     "Csi\\u009B2J"}, // a C1 control in UTF-8
    {"Csi\x9B"
     "2J\x85",
     "Csi\\x9B2J\\x85"}, // a lone byte that 8-bit terminals take for one
    {"\xE2\x82\xAC and \xC2\xA0", "\xE2\x82\xAC and \xC2\xA0"}, // continuation bytes of letters
    {"Back\\slash", "Back\\slash"},
};

TEST(TerminalText, EscapesOnlyWhatActsOnATerminal)
{
    for (const CShown& row : Rows)
        EXPECT_EQ(TerminalText(row.m_Text), row.m_Shown) << row.m_Shown;
}
} // namespace
