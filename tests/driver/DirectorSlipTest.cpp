#include "support/GameText.h"
#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <string>
#include <vector>

// The slips directors make when they edit the tournament file by hand. Each row is a whole file:
// it is paired, and checked with --check, and must say exactly what looks wrong (a warning line
// names the file, the line and, where a known name is close, the name meant) or be refused with
// one line and no output file. A warning changes nothing of what is read.
namespace
{
// Six announced participants and their first round: lines 1 to 6 announce, the games of round 1
// begin on lines 7, 13 and 19, and what a row appends begins on line 25.
std::string FirstRound()
{
    return "%new \"Adler, Maren\" \"2650\"\n%new \"Brandt, Oskar\" \"2640\"\n"
           "%new \"Castell, Ines\" \"2630\"\n%new \"Dorn, Lukas\" \"2537\"\n"
           "%new \"M\xC3\xBCller, Jan\" \"2500\"\n%new \"Falk, Henrik\" \"2434\"\n" +
           GameText("Adler, Maren", "Dorn, Lukas", "1.1") +
           GameText("Brandt, Oskar", "M\xC3\xBCller, Jan", "1.2", "1/2-1/2") +
           GameText("Castell, Ines", "Falk, Henrik", "1.3", "0-1");
}

std::string ManyGamesWithoutRound(int games)
{
    std::string text = "%new \"A\" \"1\"\n%new \"B\" \"1\"\n";
    for (int game = 0; game < games; ++game)
        text += "[White \"A\"][Black \"B\"][Result \"1/2-1/2\"] 1/2-1/2\n";
    return text;
}

std::string UnknownRemovals(int count)
{
    std::string text = FirstRound();
    for (int k = 0; k < count; ++k)
        text += "%remove \"Nobody " + std::to_string(k) + "\"\n";
    return text;
}

struct CSlip
{
    const char* m_What;
    std::string m_File;
    // Standard error, each F standing for the input's path; a refusal is the last line.
    std::string m_Stderr;
    bool m_Refused = false;
    // The end of the summary line of --check, where a row asks for it.
    std::string m_Summary{};
    // The notes that --check adds to standard error.
    std::string m_Notes{};
};

const std::string W = "warning: file F line ";
const std::string Refusal = "info string PGN-Parser: file F line ";

// The warnings of UnknownRemovals(count): the first fifty, then the count of the rest.
std::string RemovalWarnings(int count)
{
    std::string text;
    for (int k = 0; k < std::min(count, 50); ++k)
        text += W + std::to_string(25 + k) + ": %remove \"Nobody " + std::to_string(k) +
                "\" names no participant: a new participant was created, absent\n";
    const int more = count - 50;
    if (more > 0)
        text += "warning: " + std::to_string(more) +
                (more == 1 ? " more warning not shown\n" : " more warnings not shown\n");
    return text;
}

// A round with fewer boards than half of those present.
std::string Thin(int line, int present, int round = 2)
{
    return W + std::to_string(line) + ": round " + std::to_string(round) + " has 1 board for " +
           std::to_string(present) +
           " participants present: a round appended in part, or a game typed for a later round?\n";
}

std::vector<CSlip> Slips()
{
    const std::string first = FirstRound();
    return {
        {"a clean file", first, ""},
        {"a misspelled name in a game", first + GameText("Adler, Maren", "Brandt, Oskra", "2"),
         W +
             "26: \"Brandt, Oskra\" was never announced with %new: a new participant was "
             "created, did you mean \"Brandt, Oskar\"?\n" +
             Thin(25, 7)},
        {"a name in other letter case and blanks",
         first + GameText("adler maren", "Falk, Henrik", "2"),
         W +
             "25: \"adler maren\" was never announced with %new: a new participant was created, "
             "did you mean \"Adler, Maren\"?\n" +
             Thin(25, 7)},
        {"a Latin-1 round in a UTF-8 file", first + GameText("Falk, Henrik", "M\xFCller, Jan", "2"),
         W +
             "26: \"M\xFCller, Jan\" was never announced with %new: a new participant was "
             "created, did you mean \"M\xC3\xBCller, Jan\"?\n" +
             Thin(25, 7)},
        {"a misspelled removal", first + "%remove \"Dorn, Lucas\"\n",
         W + "25: %remove \"Dorn, Lucas\" names no participant: a new participant was created, "
             "absent, did you mean \"Dorn, Lukas\"?\n"},
        {"a misspelled return", first + "%comeback \"Castel, Ines\"\n",
         W + "25: %comeback \"Castel, Ines\" names no participant: a new participant was "
             "created, who will be paired, did you mean \"Castell, Ines\"?\n"},
        {"names that would act on a terminal",
         first + GameText("Evil\x1B]0;x\x07\x1B[1A", "Line\nfeed", "2", "*"),
         W +
             "25: \"Evil\\x1B]0;x\\x07\\x1B[1A\" was never announced with %new: a new "
             "participant was created\n" +
             W +
             "26: \"Line\\nfeed\" was never announced with %new: a new participant was "
             "created\n" +
             W +
             "29: round 2 has 1 game left at * (line 29), which count for nobody: enter the "
             "results, or a forfeit where a game was not played\n" +
             Thin(25, 8)},
        {"a rename of nobody", first + "%replace \"Nobody\" \"Late, Entry\"\n",
         W + "25: %replace \"Nobody\" names no participant: a new participant was created under "
             "the new name\n"},
        {"a rename with swapped arguments", first + "%replace \"Adler, M.\" \"Adler, Maren\"\n",
         Refusal + "26 char 0: %replace: the new name \"Adler, Maren\" already belongs to another "
                   "participant, who would be paired twice\n",
         true},
        {"a rename onto another participant", first + "%replace \"Dorn, Lukas\" \"Falk, Henrik\"\n",
         Refusal + "26 char 0: %replace: the new name \"Falk, Henrik\" already belongs to another "
                   "participant, who would be paired twice\n",
         true},
        {"a result typed 1-O",
         first + GameText("Adler, Maren", "Falk, Henrik", "2.1", "1-O") +
             GameText("Dorn, Lukas", "Castell, Ines", "2.2"),
         W +
             "28: the game \"Adler, Maren\" - \"Falk, Henrik\" has the result \"1-O\", none of "
             "1-0, 0-1, 1/2-1/2, *: not counted, its tags were replaced by those of the next "
             "game\n" +
             Thin(25, 6)},
        {"a marker typed 1:0",
         first + GameText("Adler, Maren", "Falk, Henrik", "2.1", "1-0", "", "1:0") +
             GameText("Dorn, Lukas", "Castell, Ines", "2.2"),
         W +
             "28: the game \"Adler, Maren\" - \"Falk, Henrik\" has no readable termination "
             "marker (1-0, 0-1, 1/2-1/2 or *): not counted, its tags were replaced by those of "
             "the next game\n" +
             Thin(25, 6)},
        {"a result typed with a fraction sign, last in the file",
         first + GameText("Adler, Maren", "Falk, Henrik", "2.1", "\xC2\xBD-\xC2\xBD"),
         W + "28: the game \"Adler, Maren\" - \"Falk, Henrik\" has the result "
             "\"\xC2\xBD-\xC2\xBD\", "
             "none of 1-0, 0-1, 1/2-1/2, *: not counted, the file ends first\n"},
        {"a participant in two games of a round",
         first + GameText("Adler, Maren", "Brandt, Oskar", "1.4"),
         W +
             "25: \"Adler, Maren\" has two games in round 1 (lines 7 and 25): the later one, "
             "against \"Brandt, Oskar\", counts for \"Adler, Maren\"; the earlier one still "
             "counts for \"Dorn, Lukas\"\n" +
             W +
             "25: \"Brandt, Oskar\" has two games in round 1 (lines 13 and 25): the later "
             "one, against \"Adler, Maren\", counts for \"Brandt, Oskar\"; the earlier one "
             "still counts for \"M\xC3\xBCller, Jan\"\n"},
        {"a game entered twice", first + GameText("Adler, Maren", "Dorn, Lukas", "1.1", "0-1"),
         W +
             "25: \"Adler, Maren\" has two games in round 1 (lines 7 and 25), both against "
             "\"Dorn, Lukas\": the later one counts\n" +
             W +
             "25: \"Dorn, Lukas\" has two games in round 1 (lines 7 and 25), both against "
             "\"Adler, Maren\": the later one counts\n"},
        {"a rematch", first + GameText("Dorn, Lukas", "Adler, Maren", "2.1"),
         W + "25: \"Dorn, Lukas\" and \"Adler, Maren\" meet again: they met in round 1\n" +
             Thin(25, 6)},
        {"a round typed 12 for 2", first + GameText("Dorn, Lukas", "Brandt, Oskar", "12.1"),
         W + "27: round 12 lies more than one round beyond the latest round read so far, 1\n" +
             Thin(25, 6, 12)},
        {"unknown command words",
         first + "%withdraw \"Falk, Henrik\"\n%New \"X\" \"1\"\n%debug \"1\"\n",
         W + "25: unknown command %withdraw ignored\n" + W +
             "26: unknown command %New ignored, did you mean \"new\"?\n" + W +
             "27: unknown command %debug ignored, did you mean \"Debug\"?\n"},
        {"numbers that do not read wholly",
         first + "%Seed \"seven\"\n%Colour3 \"1,5\"\n" +
             GameText("Dorn, Lukas", "Brandt, Oskar", "2", "1-0")
                 .insert(0, "[WhiteElo \"2,537\"]\n"),
         W + "25: argument of %Seed \"seven\" does not read wholly as a number: read as 0\n" + W +
             "26: argument of %Colour3 \"1,5\" does not read wholly as a number: read as 1\n" + W +
             "27: WhiteElo of \"Dorn, Lukas\" \"2,537\" does not read wholly as a number: read as "
             "2\n" +
             Thin(27, 6)},
        {"a second %new before the first round", "%new \"Falk, Henrik\" \"0\"\n" + first,
         W + "7: %new \"Falk, Henrik\" names an existing participant: only the rating changes, "
             "from 0 to 2434\n"},
        // A rating list brought in between rounds is no slip: a note that --check shows.
        {"a rating changed after a round", first + "%new \"Falk, Henrik\" \"2500\"\n", "", false,
         "1 round, 0 warnings\n",
         "note: file F line 25: %new \"Falk, Henrik\" names an existing participant: only the "
         "rating changes, from 0 to 2500\n"}, // the games have no ratings
        {"escape lines with more than they read",
         first + "%new \"Gerber, Ann\" 1800\n%remove \"Dorn, Lukas\" \"Falk, Henrik\"\n"
                 "%new \"Hahn, Eva\" \"\"\n%remove \"Adler, Maren\" ; ill\n",
         W +
             "25: %new \"Gerber, Ann\" 1800: the rating is not quoted and reads as 0, unrated; "
             "write %new \"Gerber, Ann\" \"1800\"\n" +
             W +
             "26: %remove \"Dorn, Lukas\": the rest of the line is ignored: \"Falk, Henrik\"\n" +
             W +
             "27: %new \"Hahn, Eva\" \"\": an empty rating reads as 0, unrated; write \"0\" to "
             "say so\n"},
        {"byes asked for nobody, for an absent participant, without a result",
         first + "%remove \"Dorn, Lukas\"\n%bye \"Castel, Ines\" \"1/2\"\n%bye \"Dorn, Lukas\" "
                 "\"1\"\n%bye \"Falk, Henrik\" \"2\"\n",
         W +
             "26: %bye \"Castel, Ines\" names no participant: no bye is given, did you mean "
             "\"Castell, Ines\"?\n" +
             W + "27: %bye \"Dorn, Lukas\": the participant is absent, so no bye is given\n" + W +
             "28: %bye \"Falk, Henrik\" needs the bye's result, \"1/2\", \"1\" or \"0\", as its "
             "second argument: no bye is given\n"},
        {"a bye asked before the round before was appended",
         first + "%bye \"Falk, Henrik\" \"1/2\"\n" +
             GameText("Adler, Maren", "Falk, Henrik", "2.1") +
             GameText("Brandt, Oskar", "Castell, Ines", "2.2") +
             GameText("Dorn, Lukas", "M\xC3\xBCller, Jan", "2.3"),
         W + "25: %bye \"Falk, Henrik\" asks a bye in round 2, which holds none of his: a %bye "
             "belongs after the round before it is appended\n"},
        {"results forgotten",
         first + GameText("Adler, Maren", "Falk, Henrik", "2.1", "*") +
             GameText("Brandt, Oskar", "Castell, Ines", "2.2") +
             GameText("Dorn, Lukas", "M\xC3\xBCller, Jan", "2.3", "*"),
         W + "28: round 2 has 2 games left at * (lines 28, 40), which count for nobody: enter the "
             "results, or a forfeit where a game was not played\n"},
        {"an empty file", "", W + "1: nobody to pair: no participant is present at the end\n"},
        {"the next round of games without Round beyond the limit", ManyGamesWithoutRound(1001), "",
         true},
        {"more warnings than are shown", UnknownRemovals(53), RemovalWarnings(53)},
        {"one warning more than are shown", UnknownRemovals(51), RemovalWarnings(51)},
        {"one of each in the summary", GameText("Ann", "BYE", "1") + "%Seed \"x\"\n",
         W + "7: argument of %Seed \"x\" does not read wholly as a number: read as 0\n", false,
         ": 1 participant, 1 present, 1 round, 1 warning\n"},
        {"as many warnings as are shown", UnknownRemovals(50), RemovalWarnings(50)},
    };
}

std::string WithPath(std::string text, const std::string& path)
{
    for (std::size_t at = text.find(" F "); at != std::string::npos; at = text.find(" F ", at))
        text.replace(at + 1, 1, path);
    return text;
}

TEST(DirectorSlip, EachSlipIsWarnedAboutOrRefused)
{
    for (const CSlip& slip : Slips())
    {
        SCOPED_TRACE(slip.m_What);
        const CTemporaryFolder folder;
        const std::string input = folder.Write("t.pgn", slip.m_File);
        const std::string output = folder.Path("round.pgn");
        const CVantorRun pairing = RunVantor({input, output}, folder);
        const CVantorRun check = RunVantor({"--check", input}, folder);
        const std::string expected = WithPath(slip.m_Stderr, input);
        EXPECT_EQ(pairing.m_Status, slip.m_Refused ? 1 : 0);
        EXPECT_EQ(std::filesystem::exists(output), !slip.m_Refused);
        EXPECT_EQ(check.m_Status, slip.m_Refused || !pairing.m_Stderr.empty() ? 1 : 0);
        EXPECT_EQ(check.m_Stderr, pairing.m_Stderr + WithPath(slip.m_Notes, input));
        EXPECT_EQ(check.m_Stdout.find(" present, ") != std::string::npos, !slip.m_Refused);
        EXPECT_TRUE(check.m_Stdout.ends_with(slip.m_Summary)) << check.m_Stdout;
        if (expected.empty() && slip.m_Refused) // after fifty warnings about the repetitions
            EXPECT_NE(pairing.m_Stderr.find("warning: 949 more warnings not shown\n" +
                                            WithPath(Refusal, input)),
                      std::string::npos)
                << pairing.m_Stderr;
        else
            EXPECT_EQ(pairing.m_Stderr, expected);
    }
}

// Only an allocation that fails can end a run this way; it must end with one line and status 1,
// never an abort. Address sanitizers reserve more address space than any limit allows.
#if defined(__SANITIZE_ADDRESS__)
#define VANTOR_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VANTOR_ADDRESS_SANITIZER 1
#endif
#endif

TEST(DirectorSlip, RunningOutOfMemoryEndsWithOneLine)
{
#ifdef VANTOR_ADDRESS_SANITIZER
    GTEST_SKIP() << "an address sanitizer needs more address space than the limit";
#else
    const CTemporaryFolder folder;
    std::string field;
    for (int k = 0; k < 30000; ++k)
        field += "%new \"P" + std::to_string(k) + "\" \"1\"\n";
    const std::string input = folder.Write(
        "t.pgn", field + "[White \"P1\"][Black \"P2\"][Round \"1000\"][Result \"1-0\"] 1-0\n");
    // Every one of 30,000 histories grows to 1000 rounds: far more than the limit.
    const CVantorRun run = RunProgram("/bin/sh",
                                      {"-c", "ulimit -v 300000 && exec \"$0\" \"$@\"",
                                       VANTOR_EXECUTABLE, input, folder.Path("round.pgn")},
                                      folder);
    EXPECT_EQ(run.m_Status, 1);
    EXPECT_TRUE(run.m_Stderr.ends_with("\nvantor: out of memory\n")) << run.m_Stderr;
    EXPECT_FALSE(std::filesystem::exists(folder.Path("round.pgn")));
#endif
}
} // namespace
