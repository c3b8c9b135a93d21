#include "driver/CommandLine.h"

#include <gtest/gtest.h>

TEST(RemoveSurroundingQuotes, RemovesOnlyOneCompletePairAroundSomething)
{
    EXPECT_EQ(RemoveSurroundingQuotes("\"in.pgn\""), "in.pgn");
    EXPECT_EQ(RemoveSurroundingQuotes("\"\"in.pgn\"\""), "\"in.pgn\"");
    EXPECT_EQ(RemoveSurroundingQuotes("\"a b\""), "a b");
    EXPECT_EQ(RemoveSurroundingQuotes("\"x\""), "x");
    EXPECT_EQ(RemoveSurroundingQuotes("\"\""), "\"\"");
    EXPECT_EQ(RemoveSurroundingQuotes("\""), "\"");
    EXPECT_EQ(RemoveSurroundingQuotes("\"in.pgn"), "\"in.pgn");
    EXPECT_EQ(RemoveSurroundingQuotes("in.pgn\""), "in.pgn\"");
    EXPECT_EQ(RemoveSurroundingQuotes("in\"side\".pgn"), "in\"side\".pgn");
    EXPECT_EQ(RemoveSurroundingQuotes(""), "");
}
