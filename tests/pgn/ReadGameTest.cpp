#include "PgnTestFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Records = std::vector<CPgnGame>;

const std::string Players = "[White \"Ann\"][Black \"Bob\"]";

// Expects a reading that delivered the records and ended at the end of input, without a word.
void ExpectClean(const CPgnReading& reading, const Records& records)
{
    EXPECT_EQ(reading.m_Records, records);
    EXPECT_EQ(reading.m_Diagnostics, "");
    EXPECT_TRUE(reading.m_Ok);
}

// Expects a reading that delivered the records and then stopped on exactly this diagnostic.
void ExpectStop(const CPgnReading& reading, const Records& records, const std::string& diagnostic)
{
    EXPECT_EQ(reading.m_Records, records);
    EXPECT_EQ(reading.m_Diagnostics, diagnostic);
    EXPECT_FALSE(reading.m_Ok);
}
} // namespace

TEST(ReadGame, NothingButWhiteSpaceAndCommentsIsAnEmptyTournament)
{
    ExpectClean(ReadAllRecordsOf(""), {});
    ExpectClean(ReadAllRecordsOf(" \n{ comment\n}\n; last line"), {});
}

TEST(ReadGame, GamesAreDeliveredWithEveryTagAndWithoutTheirMoves)
{
    const std::string games = "[Event \"Open\"]\n[White \"Ann\"]\n[Black \"Bob\"]\n"
                              "[Result \"1-0\"]\n[WhiteElo \"2100\"]\n\n"
                              "1. e4 $1 e5 {comment} 2. Nf3 (2. f4 exf4) 2... Nc6 1-0\n"
                              "[White \"Cid\"][Black \"Dan\"][Result \"1/2-1/2\"] 1/2-1/2\n"
                              "[White \"Eve\"][Black \"Fay\"][Result \"0-1\"] 0-1"
                              "[White \"Gil\"][Black \"Hal\"][Result \"*\"] *";
    ExpectClean(ReadAllRecordsOf(games),
                {{{"Event", "Open"},
                  {"White", "Ann"},
                  {"Black", "Bob"},
                  {"Result", "1-0"},
                  {"WhiteElo", "2100"}},
                 {{"White", "Cid"}, {"Black", "Dan"}, {"Result", "1/2-1/2"}},
                 {{"White", "Eve"}, {"Black", "Fay"}, {"Result", "0-1"}},
                 {{"White", "Gil"}, {"Black", "Hal"}, {"Result", "*"}}});
}

TEST(ReadGame, TerminationMarkerMustAgreeWithTheLastResultTag)
{
    const std::string lower = "game termination marker different from result";
    const std::string upper = "Game Termination Marker different from Result";
    struct Case
    {
        std::string m_Tags;
        std::string m_Marker;
        std::string m_Message;
    };
    const std::vector<Case> cases = {
        {"[Result \"1-0\"]", "*", lower},
        {"[Result \"1-0\"]", "0-1", upper},
        {"[Result \"*\"]", "1/2-1/2", upper},
        {"", "1-0", upper}, // no Result tag: the expected result stays "*"
        {"[Result \"?\"]", "*", lower},
        {"[Result \"?\"]", "1-0", upper},
        {"[Result \"?\"]", "0-1", upper},
        {"[Result \"?\"]", "1/2-1/2", upper},
        {"[Result \"1-0\"][Result \"0-1\"]", "1-0", upper},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.m_Tags + " " + c.m_Marker);
        const std::string text = Players + c.m_Tags + "\n" + c.m_Marker + " e4";
        const int column = static_cast<int>(c.m_Marker.size()) + 1;
        ExpectStop(ReadAllRecordsOf(text), {}, Diagnostic(2, column, c.m_Message));
    }
    // The later Result tag decides, also in the other direction.
    ExpectClean(ReadAllRecordsOf(Players + "[Result \"1-0\"][Result \"0-1\"] 0-1"),
                {{{"White", "Ann"}, {"Black", "Bob"}, {"Result", "0-1"}}});
}

TEST(ReadGame, MissingTagsAreReportedInOrderBehindTheMarker)
{
    ExpectStop(ReadAllRecordsOf("1. e4 *\n"), {},
               Diagnostic(2, 0, "'White' missing (in game above current line)"));
    ExpectStop(ReadAllRecordsOf("[Black \"b\"][Result \"*\"] *"), {},
               Diagnostic(1, 26, "'White' missing (in game above current line)"));
    ExpectStop(ReadAllRecordsOf("[White \"a\"] *x"), {},
               Diagnostic(1, 14, "'Black' missing (in game above current line)"));
    // Without a Result tag only * passes the marker check.
    ExpectStop(ReadAllRecordsOf(Players + "\n*\n\n"), {},
               Diagnostic(3, 0, "'Result' missing (in game above current line)"));
}

TEST(ReadGame, GameWithoutMarkerRunsIntoTheNextOneOrIsDroppedAtTheEnd)
{
    const std::string first = "[White \"Ann\"][Black \"Bob\"][Round \"1\"][Result \"1-0\"] 1. e4\n";
    const std::string second = "[White \"Cid\"][Black \"Dan\"][Result \"0-1\"] 1. d4 0-1\n";
    ExpectClean(ReadAllRecordsOf(first + second),
                {{{"White", "Cid"}, {"Black", "Dan"}, {"Round", "1"}, {"Result", "0-1"}}});
    ExpectClean(ReadAllRecordsOf(second + first),
                {{{"White", "Cid"}, {"Black", "Dan"}, {"Result", "0-1"}}});
}

TEST(ReadGame, VariationsAreSkippedWholeWhateverTheyHold)
{
    const std::string variation =
        "( 1-0 * \"text\" [ ] ] ( ( $5 ) ) 0-1\n%new \"x\" (.)) 2. d4 ($1) *";
    ExpectClean(ReadAllRecordsOf(Players + "[Result \"*\"] 1. e4 " + variation),
                {{{"White", "Ann"}, {"Black", "Bob"}, {"Result", "*"}}});
    ExpectStop(ReadAllRecordsOf(Players + "\n(e4 (e5)\n"), {},
               Diagnostic(3, 1, "unexpected end of file"));
    ExpectStop(ReadAllRecordsOf("1. e4 (d4)) *"), {}, Diagnostic(1, 12, "unexpected ')'"));
}

TEST(ReadGame, HugeNestingAndHugeTokensNeitherRecurseNorTakeQuadraticTime)
{
    const std::size_t depth = 1000000;
    const std::string tags = Players + "[Result \"*\"] ";
    const Records game = {{{"White", "Ann"}, {"Black", "Bob"}, {"Result", "*"}}};
    ExpectClean(ReadAllRecordsOf(tags + std::string(depth, '(') + std::string(depth, ')') + " *"),
                game);
    ExpectClean(ReadAllRecordsOf(tags + std::string(20000000, 'a') + " *"), game);
}

TEST(ReadGame, MalformedTagPairsAndStrayTokensStopTheReading)
{
    const Records first = {{{"White", "Ann"}, {"Black", "Bob"}, {"Result", "*"}}};
    const std::string good = Players + "[Result \"*\"] *\n";
    ExpectStop(ReadAllRecordsOf(good + "[Date \"x\"] \"free text\" e4"), first,
               Diagnostic(2, 23, "unexpected string free text"));
    ExpectStop(ReadAllRecordsOf(good + "[2 \"x\"]"), first, Diagnostic(2, 3, "symbol expected"));
    ExpectStop(ReadAllRecordsOf(good + "[\"x\"]"), first, Diagnostic(2, 5, "symbol expected"));
    ExpectStop(ReadAllRecordsOf(good + "[Date x]"), first, Diagnostic(2, 8, "string expected"));
    ExpectStop(ReadAllRecordsOf(good + "[Date 1]"), first, Diagnostic(2, 8, "string expected"));
    ExpectStop(ReadAllRecordsOf(good + "[Date \"x\" \"y\"]"), first,
               Diagnostic(2, 14, "']' expected"));
    ExpectStop(ReadAllRecordsOf(good + "[Date \"x\""), first, Diagnostic(2, 10, "']' expected"));
    ExpectStop(ReadAllRecordsOf(good + "e4 ]"), first, Diagnostic(2, 5, "unexpected ']'"));
}

TEST(ReadGame, EscapeLineBetweenGamesIsARecordOfItsOwn)
{
    const std::string game = Players + "[Result \"*\"] *\n";
    ExpectClean(ReadAllRecordsOf("%new \"Ann\" \"2000\" anything (\n" + game +
                                 "%remove \"Bob\" \"ignored\"\n%Seed\n\"42\"\n"),
                {{{"%", "new"}, {"new", "Ann"}, {"2.", "2000"}},
                 {{"White", "Ann"}, {"Black", "Bob"}, {"Result", "*"}},
                 {{"%", "remove"}, {"remove", "Bob"}},
                 {{"%", "Seed"}, {"Seed", "42"}}});
    // White space and comments may stand between the % and the command word.
    ExpectClean(ReadAllRecordsOf("% {c} replace   \"A\" \"B\""),
                {{{"%", "replace"}, {"replace", "A"}, {"2.", "B"}}});
}

TEST(ReadGame, SecondArgumentOfNewAndReplaceMustBeAQuotedStringOnTheSameLine)
{
    const Records newOnly = {{{"%", "new"}, {"new", "Ann"}}};
    // A bare number after the name is accepted by "new" and refused by "replace".
    ExpectClean(ReadAllRecordsOf("%new \"Ann\" 2000\n"), newOnly);
    ExpectStop(ReadAllRecordsOf("%replace \"Ann\" Bob\n"), {},
               Diagnostic(1, 16, "String expected"));
    // Nothing behind the name: the line feed has been read.
    ExpectStop(ReadAllRecordsOf("%new \"Ann\"  \n"), {},
               Diagnostic(2, 0, "incomplete %-escape command"));
    ExpectStop(ReadAllRecordsOf("%replace \"Ann\"\n\"Bob\"\n"), {},
               Diagnostic(2, 0, "incomplete %-escape command"));
    // A tab is not skipped between the arguments.
    ExpectClean(ReadAllRecordsOf("%new \"Ann\"\t\"2000\"\n"), newOnly);
    ExpectStop(ReadAllRecordsOf("%replace \"Ann\"\t\"Bob\"\n"), {},
               Diagnostic(1, 15, "String expected"));
    // A carriage return keeps the reader on the escape line.
    ExpectClean(ReadAllRecordsOf("%new \"Ann\"\r\n"), newOnly);
    ExpectStop(ReadAllRecordsOf("%replace \"Ann\"\r\n"), {}, Diagnostic(1, 15, "String expected"));
    // At the end of the input: behind blanks the line is complete, right behind the name too.
    ExpectClean(ReadAllRecordsOf("%new \"Ann\"  "), newOnly);
    ExpectClean(ReadAllRecordsOf("%new \"Ann\""), newOnly);
    ExpectStop(ReadAllRecordsOf("%replace \"Ann\""), {}, Diagnostic(1, 15, "String expected"));
}

TEST(ReadGame, EscapeLineWithoutCommandWordOrQuotedArgumentStops)
{
    ExpectStop(ReadAllRecordsOf("%\n"), {}, Diagnostic(2, 1, "invalid %-escape command"));
    ExpectStop(ReadAllRecordsOf("%\"new\""), {}, Diagnostic(1, 7, "invalid %-escape command"));
    ExpectStop(ReadAllRecordsOf("%Seed 42\n"), {}, Diagnostic(2, 0, "String expected"));
    ExpectStop(ReadAllRecordsOf("%remove\n"), {}, Diagnostic(2, 1, "String expected"));
}

TEST(ReadGame, EscapeLineCutsAGameInTwo)
{
    // The tags before the escape line come with the command; the rest of the game lacks them.
    const std::string text = "[White \"Ann\"]\n[Black \"Bob\"]\n%remove \"Cid\"\n"
                             "[Result \"1-0\"]\n1. e4 1-0\n";
    ExpectStop(ReadAllRecordsOf(text),
               {{{"White", "Ann"}, {"Black", "Bob"}, {"%", "remove"}, {"remove", "Cid"}}},
               Diagnostic(6, 0, "'White' missing (in game above current line)"));
}
