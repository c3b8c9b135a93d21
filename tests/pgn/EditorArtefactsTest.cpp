#include "PgnTestFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What editors and careless copying leave in a tournament file: a byte-order mark before the
// first line, and a quotation mark that is never closed.
namespace
{
const std::string Mark = "\xEF\xBB\xBF";

void ExpectSameReading(const CPgnReading& actual, const CPgnReading& expected)
{
    EXPECT_EQ(actual.m_Records, expected.m_Records);
    EXPECT_EQ(actual.m_Diagnostics, expected.m_Diagnostics);
    EXPECT_EQ(actual.m_Ok, expected.m_Ok);
}
} // namespace

TEST(EditorArtefacts, AByteOrderMarkBeforeTheFirstLineIsNoPartOfIt)
{
    // Same records, and diagnostics at the same columns, as without the mark.
    for (const std::string text :
         {"%new \"Ann\" \"2100\"\n", "%new \"Ann\"\n",
          "[White \"Ann\"][Black \"Bob\"][Result \"*\"] *", "[White 5]", "\"stray\"", ""})
    {
        SCOPED_TRACE(text);
        ExpectSameReading(ReadAllRecordsOf(Mark + text), ReadAllRecordsOf(text));
    }
}

TEST(EditorArtefacts, OnlyAWholeMarkAtTheVeryStartIsSkipped)
{
    // Its first two bytes alone are text that counts two columns, so the % is no escape.
    EXPECT_EQ(ReadAllRecordsOf("\xEF\xBB%new \"Ann\" \"1\"").m_Diagnostics,
              Diagnostic(1, 13, "unexpected string Ann"));
    // On the second line the mark is text as well.
    EXPECT_EQ(ReadAllRecordsOf("\n" + Mark + "%new \"Ann\" \"1\"").m_Diagnostics,
              Diagnostic(2, 14, "unexpected string Ann"));
    // A mark of its own is an empty file.
    const CPgnReading onlyMark = ReadAllRecordsOf(Mark);
    EXPECT_TRUE(onlyMark.m_Records.empty());
    EXPECT_TRUE(onlyMark.m_Ok);
}

TEST(EditorArtefacts, AStrayStringIsQuotedOnlyByItsBeginning)
{
    EXPECT_EQ(ReadAllRecordsOf("\"" + std::string(60, 'x') + "\"").m_Diagnostics,
              Diagnostic(1, 63, "unexpected string " + std::string(60, 'x')));
    EXPECT_EQ(ReadAllRecordsOf("\"" + std::string(61, 'x') + "\"").m_Diagnostics,
              Diagnostic(1, 64, "unexpected string " + std::string(60, 'x') + "..."));
    EXPECT_EQ(ReadAllRecordsOf("\"first line\r\nsecond line").m_Diagnostics,
              Diagnostic(2, 12, "unexpected string first line..."));
}
