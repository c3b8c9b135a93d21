#include "support/GameText.h"
#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// The round cycle as a director goes through it, through the program alone: pair, enter the
// results (every notation, the three forfeits, a result changed and cleared), append, pair again.
namespace
{
const std::string Field = "%new \"Adler, Maren\" \"2650\"\n%new \"Brandt, Oskar\" \"2640\"\n"
                          "%new \"Castell, Ines\" \"2630\"\n%new \"Dorn, Lukas\" \"2537\"\n"
                          "%new \"Eberle, Sina\" \"2527\"\n%new \"Falk, Henrik\" \"2434\"\n"
                          "%new \"Gerlach, Tilda\" \"2424\"\n%new \"Hofer, Bruno\" \"2414\"\n"
                          "%new \"Imhof, Clara\" \"2321\"\n"
                          "%bye \"Hofer, Bruno\" \"1/2\"\n%bye \"Imhof, Clara\" \"1\"\n";

using CFiles = std::map<std::string, std::string>; // name to bytes

// Every file of the folder but what the runs print.
CFiles FilesIn(const CTemporaryFolder& folder)
{
    CFiles files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path("")))
    {
        const std::string name = entry.path().filename().string();
        if (name != "stdout.txt" && name != "stderr.txt")
            files[name] = ReadFile(entry.path().string());
    }
    return files;
}

// The arguments with every file name made a path in the folder.
std::vector<std::string> InFolder(std::vector<std::string> arguments,
                                  const CTemporaryFolder& folder)
{
    for (std::string& argument : arguments)
        if (argument.ends_with(".pgn"))
            argument = folder.Path(argument);
    return arguments;
}

std::string WithoutFolder(std::string text, const CTemporaryFolder& folder)
{
    const std::string path = folder.Path("");
    for (std::size_t at = text.find(path); at != std::string::npos; at = text.find(path, at))
        text.erase(at, path.size());
    return text;
}

struct CStep
{
    const char* m_What;
    std::vector<std::string> m_Arguments;
    const char* m_Stdout = nullptr; // not looked at when null
    // A file that must now be byte for byte what another one was after an earlier step.
    struct CSame
    {
        const char* m_File;
        const char* m_Step;
        const char* m_Then;
    };
    std::vector<CSame> m_Same{};
};

const std::vector<CStep> Cycle{
    {"pair round 1", {"t.pgn", "r1.pgn"}},
    {"enter round 1",
     {"--result", "r1.pgn", "1", "1-0", "2", "=", "3", "+-"},
     "board 1: Dorn, Lukas - Adler, Maren 1-0\n"
     "board 2: Eberle, Sina - Brandt, Oskar 1/2-1/2\n"
     "board 3: Falk, Henrik - Castell, Ines +- (Castell, Ines did not come)\n"},
    {"append round 1",
     {"--append", "r1.pgn", "t.pgn"},
     "Round 1 appended to t.pgn: 6 boards; the file as it was is t.pgn.bak\n",
     {{"t.pgn.bak", "enter round 1", "t.pgn"}}},
    {"pair round 2", {"t.pgn", "r2.pgn"}},
    {"enter round 2 with forfeits",
     {"--result", "r2.pgn", "1", "-+", "2", "--", "3", "1/2", "4", "*"},
     "board 1: Gerlach, Tilda - Dorn, Lukas -+ (Gerlach, Tilda did not come)\n"
     "board 2: Falk, Henrik - Imhof, Clara -- (neither came)\n"
     "board 3: Brandt, Oskar - Hofer, Bruno 1/2-1/2\n"
     "board 4: Castell, Ines - Eberle, Sina *\n"},
    {"a forfeit changed into a game", {"--result", "r2.pgn", "1", "0-1"}},
    {"and back",
     {"--result", "r2.pgn", "1", "-+"},
     nullptr,
     {{"r2.pgn", "enter round 2 with forfeits", "r2.pgn"}}},
    {"every result cleared",
     {"--result", "r2.pgn", "1", "*", "2", "*", "3", "*"},
     nullptr,
     {{"r2.pgn", "pair round 2", "r2.pgn"}}},
    {"enter round 2 again",
     {"--result", "r2.pgn", "4", "0-1", "3", "1/2-1/2", "2", "--", "1", "-+"}},
    {"append round 2", {"--append", "r2.pgn", "t.pgn"}},
    // Over the file of the round just appended, as the guide reuses one name: nothing is lost.
    {"pair round 3", {"t.pgn", "r2.pgn"}},
};

TEST(RoundCycle, PairEnterAppendAndPairAgain)
{
    const CTemporaryFolder folder;
    folder.Write("t.pgn", Field);
    std::map<std::string, CFiles> after; // by step
    for (const CStep& step : Cycle)
    {
        SCOPED_TRACE(step.m_What);
        const CVantorRun run = RunVantor(InFolder(step.m_Arguments, folder), folder);
        EXPECT_EQ(run.m_Status, 0) << run.m_Stderr;
        EXPECT_EQ(run.m_Stderr, "");
        if (step.m_Stdout != nullptr)
        {
            EXPECT_EQ(WithoutFolder(run.m_Stdout, folder), step.m_Stdout);
        }
        after[step.m_What] = FilesIn(folder);
        for (const CStep::CSame& same : step.m_Same)
        {
            EXPECT_TRUE(after[step.m_What][same.m_File] == after[same.m_Step][same.m_Then])
                << same.m_File << " is not " << same.m_Then << " as it was after " << same.m_Step;
        }
    }
    const std::string tournament = ReadFile(folder.Path("t.pgn"));
    // The program's own tags say what the reports need; the pairing reads the rest alone.
    for (const char* board :
         {"[White \"Falk, Henrik\"]\n[WhiteElo \"2434\"]\n[Black \"BYE\"]\n[Round \"1.3\"]\n"
          "[Result \"1-0\"]\n[Forfeit \"+-\"]\n[PairedBlack \"Castell, Ines\"]\n"
          "[PairedBlackElo \"2630\"]\n1-0\n",
          "[White \"BYE\"]\n[Black \"Dorn, Lukas\"]\n[BlackElo \"2537\"]\n[Round \"2.1\"]\n"
          "[Result \"0-1\"]\n[Forfeit \"-+\"]\n[PairedWhite \"Gerlach, Tilda\"]\n"
          "[PairedWhiteElo \"2424\"]\n0-1\n",
          "[White \"Falk, Henrik\"]\n[WhiteElo \"2434\"]\n[Black \"Imhof, Clara\"]\n"
          "[BlackElo \"2321\"]\n[Round \"2.2\"]\n[Result \"*\"]\n[Forfeit \"--\"]\n*\n",
          "[White \"Hofer, Bruno\"]\n[WhiteElo \"2414\"]\n[Black \"BYE\"]\n[Round \"1.5\"]\n"
          "[Result \"1/2-1/2\"]\n[Bye \"requested\"]\n1/2-1/2\n",
          "[White \"Imhof, Clara\"]\n[WhiteElo \"2321\"]\n[Black \"BYE\"]\n[Round \"1.6\"]\n"
          "[Result \"1-0\"]\n[Bye \"requested\"]\n1-0\n"})
        EXPECT_NE(tournament.find(board), std::string::npos) << board;

    // A reading that knows neither the program's own tags nor %bye pairs the same next round.
    std::istringstream lines(tournament);
    std::string stripped;
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("%bye ") && !line.starts_with("[Forfeit ") &&
            !line.starts_with("[Paired") && !line.starts_with("[Bye "))
            stripped += line + "\n";
    ASSERT_NE(stripped, tournament);
    const CVantorRun run =
        RunVantor({folder.Write("stripped.pgn", stripped), folder.Path("s3.pgn")}, folder);
    EXPECT_EQ(run.m_Status, 0);
    EXPECT_TRUE(ReadFile(folder.Path("s3.pgn")) == ReadFile(folder.Path("r2.pgn")));
}
} // namespace

namespace
{
struct CRefusal
{
    const char* m_What;
    std::vector<std::string> m_Arguments;
    const char* m_Stderr;
};

// Round 1 appended; round 2 paired, one result entered; beside them files a director might
// name by mistake.
void PlayUntilRoundTwo(const CTemporaryFolder& folder)
{
    folder.Write("t.pgn", Field);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"t.pgn", "r1.pgn"},
          {"--result", "r1.pgn", "1", "1-0", "2", "=", "3", "+-"},
          {"--append", "r1.pgn", "t.pgn"},
          {"t.pgn", "r2.pgn"},
          {"--result", "r2.pgn", "1", "-+"}})
        ASSERT_EQ(RunVantor(InFolder(arguments, folder), folder).m_Status, 0);
    folder.Write("hand.pgn", "[White \"Adler, Maren\"][Black \"Dorn, Lukas\"][Round \"2.1\"]"
                             "[Result \"*\"] *\n");
    folder.Write("broken.pgn", "[White \"Adler, Maren\"\n");
    folder.Write("tucked.pgn",
                 GameText("Adler, Maren", "Dorn, Lukas", "2.1", "*", "note [Round \"2.5\"]\n"));
    folder.Write("nameless.pgn", GameText("", "Dorn, Lukas", "2.1", "*"));
    folder.Write("cut.pgn", Field.substr(0, Field.find("%bye")) +
                                "[White \"Adler, Maren\"]\n[Black \"Dorn, Lukas\"]\n"
                                "[Round \"1.1\"]\n[Result \"1-0\"]\n");
    folder.Write("later.pgn", GameText("Adler, Maren", "Dorn, Lukas", "3.1"));
    folder.Write("stranger.pgn", GameText("Adler, Maren", "Dorn, Lucas", "2.1") +
                                     GameText("Brandt, Oskar", "Nobody", "2.2"));
}

const std::vector<CRefusal> Refusals{
    {"a round with results paired again",
     {"t.pgn", "r2.pgn"},
     "Cannot write file r2.pgn: it holds 1 result entered; append it first (vantor --append "
     "r2.pgn t.pgn), or name another file\n"},
    {"a round that no longer reads paired again",
     {"t.pgn", "broken.pgn"},
     "info string PGN-Parser: file broken.pgn line 2 char 1: ']' expected\n"
     "Cannot write file broken.pgn: it does not read as a round (see above) and may hold results "
     "being entered; mend it, or name another file\n"},
    {"a board not in the round",
     {"--result", "r2.pgn", "2", "1-0", "9", "1-0"},
     "Cannot enter the results in r2.pgn: board 9 is not in the file\n"},
    {"a result in no notation",
     {"--result", "r2.pgn", "2", "2-0"},
     "Cannot enter the results in r2.pgn: \"2-0\" is no result: 1-0, 0-1, 1/2-1/2 (also = and "
     "1/2), +-, -+, -- or *\n"},
    {"a board named twice",
     {"--result", "r2.pgn", "2", "1-0", "2", "0-1"},
     "Cannot enter the results in r2.pgn: board 2 is named twice\n"},
    {"a board without its result",
     {"--result", "r2.pgn", "2", "1-0", "3"},
     "Cannot enter the results in r2.pgn: board 3 has no result\n"},
    {"no board number",
     {"--result", "r2.pgn", "two", "1-0"},
     "Cannot enter the results in r2.pgn: \"two\" is no board number\n"},
    {"the pairing's bye",
     {"--result", "r1.pgn", "4", "0-1"},
     "Cannot enter the results in r1.pgn: board 4 is a bye: its result is the one the pairing "
     "wrote\n"},
    {"a board laid out by hand",
     {"--result", "hand.pgn", "1", "1-0"},
     "Cannot enter the results in hand.pgn: board 1: its lines are not one tag a line with the "
     "result ending the last, as the pairing writes them (lines 1 to 1); enter it by hand\n"},
    {"a tag behind other text, which a rewrite would miss",
     {"--result", "tucked.pgn", "5", "1-0"},
     "Cannot enter the results in tucked.pgn: board 5: its lines are not one tag a line with the "
     "result ending the last, as the pairing writes them (lines 1 to 6); enter it by hand\n"},
    {"a forfeit on a board without a name",
     {"--result", "nameless.pgn", "1", "-+"},
     "Cannot enter the results in nameless.pgn: board 1 names no player on one side, who could "
     "not be kept as the one who did not come; enter the name first\n"},
    {"a round without all its results appended",
     {"--append", "r2.pgn", "t.pgn"},
     "Cannot append r2.pgn to t.pgn: boards 2, 3, 4 without a result: enter them first with "
     "vantor --result\n"},
    {"a round appended twice",
     {"--append", "r1.pgn", "t.pgn"},
     "Cannot append r1.pgn to t.pgn: it is round 1, which the tournament holds already; its "
     "next round is 2\n"},
    {"a round that is not the next",
     {"--append", "later.pgn", "t.pgn"},
     "Cannot append later.pgn to t.pgn: it is round 3, which is not the tournament's next "
     "round, 2\n"},
    {"names the tournament does not know",
     {"--append", "stranger.pgn", "t.pgn"},
     "Cannot append stranger.pgn to t.pgn: boards 1, 2 name someone the tournament does not "
     "know, \"Dorn, Lucas\" first\n"},
    {"a tournament that ends inside a game",
     {"--append", "r2.pgn", "cut.pgn"},
     "warning: file cut.pgn line 13: the game \"Adler, Maren\" - \"Dorn, Lukas\" has no readable "
     "termination marker (1-0, 0-1, 1/2-1/2 or *): not counted, the file ends first\n"
     "Cannot append r2.pgn to cut.pgn: it ends inside a game without its termination marker (see "
     "the warning above), which the round would run on in; mend it first\n"},
    {"the tournament appended to itself",
     {"--append", "t.pgn", "t.pgn"},
     "Cannot append t.pgn to t.pgn: they are one file, whose games would all be there twice\n"},
};

TEST(RoundCycle, EveryRefusalLeavesEveryFileAsItWas)
{
    const CTemporaryFolder folder;
    PlayUntilRoundTwo(folder);
    for (const CRefusal& refusal : Refusals)
    {
        SCOPED_TRACE(refusal.m_What);
        const CFiles before = FilesIn(folder);
        const CVantorRun run = RunVantor(InFolder(refusal.m_Arguments, folder), folder);
        EXPECT_EQ(run.m_Status, 1);
        EXPECT_EQ(WithoutFolder(run.m_Stderr, folder), refusal.m_Stderr);
        EXPECT_TRUE(FilesIn(folder) == before);
    }
}
} // namespace
