#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"
#include "tournament/Vantor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const std::string Usage = "usage: Vantor.exe <input pgn file> <output pgn file>\n";

std::string FourPlayers()
{
    return "%new \"Ann\" \"2100\"\n%new \"Bob\" \"2000\"\n%new \"Cid\" \"1900\"\n"
           "%new \"Dee\" \"1800\"\n";
}

// A mode named by its option shows its own arguments; anything else, the pairing run's.
TEST(CommandLine, WrongArgumentCountsPrintTheUsage)
{
    const CTemporaryFolder folder;
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows{
        {{}, Usage},
        {{"in.pgn"}, Usage},
        {{"in.pgn", "out.pgn", "more.pgn"}, Usage},
        {{"--csv", "a.pgn"}, Usage},
        {{"--frob", "a.pgn", "b.pgn"}, Usage},
        {{"--check"}, "usage: vantor --check <input pgn file>\n"},
        {{"--check", "a.pgn", "b.pgn"}, "usage: vantor --check <input pgn file>\n"},
        {{"--standings", "--csv"}, "usage: vantor --standings [--csv|--html] <input pgn file>\n"},
        {{"--audit", "--csv", "a.pgn"}, "usage: vantor --audit <input pgn file>\n"},
        {{"--result", "round.pgn", "5"},
         "usage: vantor --result <round pgn file> <board> <result> [<board> <result> ...]\n"},
        {{"--help", "a.pgn"}, "usage: vantor --help\n"}};
    for (const auto& [arguments, usage] : rows)
    {
        const CVantorRun run = RunVantor(arguments, folder);
        EXPECT_EQ(run.m_Status, 1);
        EXPECT_EQ(run.m_Stdout, Banner);
        EXPECT_EQ(run.m_Stderr, usage);
    }
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput)
{
    const CTemporaryFolder folder;
    const CVantorRun help = RunVantor({"--help"}, folder);
    EXPECT_EQ(help.m_Status, 0);
    EXPECT_EQ(help.m_Stdout.rfind(Usage, 0), 0u) << help.m_Stdout;
    EXPECT_NE(help.m_Stdout.find("man vantor"), std::string::npos);
    const CVantorRun version = RunVantor({"--version"}, folder);
    EXPECT_EQ(version.m_Status, 0);
    EXPECT_EQ(version.m_Stdout, "vantor " VANTOR_VERSION "\n");
    EXPECT_EQ(help.m_Stderr + version.m_Stderr, "");
}

TEST(CommandLine, PairsTheInputIntoTheOutputFile)
{
    const CTemporaryFolder folder;
    const std::string input = folder.Write("in.pgn", FourPlayers());
    const CVantorRun run = RunVantor({"\"" + input + "\"", folder.Path("out.pgn")}, folder);
    EXPECT_EQ(run.m_Status, 0) << run.m_Stderr;
    EXPECT_EQ(run.m_Stderr, "");
    EXPECT_EQ(run.m_Stdout.rfind(Banner, 0), 0u);
    const std::string round = ReadFile(folder.Path("out.pgn"));
    EXPECT_EQ(std::count(round.begin(), round.end(), '*'), 4) << round;
    EXPECT_NE(round.find("[Round \"1.2\"]"), std::string::npos);
}

TEST(CommandLine, AnUnreadableInputCreatesNoOutput)
{
    const CTemporaryFolder folder;
    for (const std::string& input : {folder.Path("missing.pgn"), folder.Path("")})
    {
        const CVantorRun run = RunVantor({input, folder.Path("out.pgn")}, folder);
        EXPECT_EQ(run.m_Status, 1);
        EXPECT_EQ(run.m_Stdout, Banner);
        EXPECT_EQ(run.m_Stderr,
                  "info string PGN-Parser: file " + input + " line 1 char 0: Cannot open file\n");
        EXPECT_FALSE(std::filesystem::exists(folder.Path("out.pgn")));
    }
}

TEST(CommandLine, AReaderDiagnosticKeepsEarlierMessagesAndTheOutputUntouched)
{
    const CTemporaryFolder folder;
    const std::string input = folder.Write(
        "in.pgn", FourPlayers() + "[White \"Ann\"][Black \"Bob\"][Round \"1\"][Result \"1-0\"] "
                                  "1-0\n%remove \"Ann\"\n[White \"Cid\"] *\n");
    const std::string output = folder.Write("out.pgn", "the previous round");
    const CVantorRun run = RunVantor({input, output}, folder);
    EXPECT_EQ(run.m_Status, 1);
    EXPECT_EQ(run.m_Stdout, Banner + "Participant Ann has been removed after round 1.\n");
    EXPECT_EQ(run.m_Stderr, "info string PGN-Parser: file " + input +
                                " line 8 char 0: 'Black' missing (in game above current line)\n");
    EXPECT_EQ(ReadFile(output), "the previous round");
}

// The round would replace the whole tournament, however the output names the input file.
TEST(CommandLine, TheInputFileIsNeverTheOutputFile)
{
    const CTemporaryFolder folder;
    const std::string file = folder.Write("tournament.pgn", FourPlayers());
    std::filesystem::create_directory(folder.Path("sub"));
    std::filesystem::create_symlink(file, folder.Path("link.pgn"));
    std::filesystem::create_hard_link(file, folder.Path("hard.pgn"));
    for (const std::string& output : {file, folder.Path("sub/../tournament.pgn"),
                                      folder.Path("link.pgn"), folder.Path("hard.pgn")})
    {
        const CVantorRun run = RunVantor({file, output}, folder);
        EXPECT_EQ(run.m_Status, 1) << output;
        EXPECT_EQ(run.m_Stdout, Banner);
        EXPECT_EQ(run.m_Stderr, "Cannot write file " + output + ": it is the input file " + file +
                                    ", and the round would replace every game in it; name "
                                    "another file\n");
        EXPECT_EQ(ReadFile(file), FourPlayers());
    }
}

TEST(CommandLine, AFailedWriteIsReportedAndTheOldFileKept)
{
    const CTemporaryFolder folder;
    std::string players;
    for (int k = 0; k < 60; ++k)
        players +=
            "%new \"Player " + std::to_string(k) + "\" \"" + std::to_string(2000 + k) + "\"\n";
    const std::string input = folder.Write("in.pgn", players);
    const std::string output = folder.Write("out.pgn", "the previous round");

    // The round of 60 players is larger than the limit; the console output is not.
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit limited = original;
    limited.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const CVantorRun run = RunVantor({input, output}, folder);
    ::setrlimit(RLIMIT_FSIZE, &original);

    EXPECT_EQ(run.m_Status, 1);
    EXPECT_EQ(run.m_Stderr, "Cannot write file " + output + ": File too large\n");
    EXPECT_EQ(ReadFile(output), "the previous round");
    const CVantorRun folderAsOutput = RunVantor({input, folder.Path("")}, folder);
    EXPECT_EQ(folderAsOutput.m_Status, 1);
    EXPECT_NE(folderAsOutput.m_Stderr.find(": Is a directory\n"), std::string::npos);
}

TEST(CommandLine, NamesWithQuotesAndBackslashesSurviveARoundTrip)
{
    const CTemporaryFolder folder;
    const std::string tricky = "O\"Neil \\ Jr";
    const std::string input = folder.Write(
        "in.pgn", FourPlayers() + "%new \"O\\\"Neil \\\\ Jr\" \"1700\"\n%remove \"Dee\"\n");
    const CVantorRun first = RunVantor({input, folder.Path("round1.pgn")}, folder);
    ASSERT_EQ(first.m_Status, 0) << first.m_Stderr;
    const std::string round = ReadFile(folder.Path("round1.pgn"));
    EXPECT_NE(round.find("\"O\\\"Neil \\\\ Jr\""), std::string::npos) << round;

    // The written round, read back after the input, names the same four participants.
    const std::string both = folder.Write("both.pgn", ReadFile(input) + round);
    ::testing::internal::CaptureStdout();
    CVantor tournament;
    const bool read = tournament.ReadTournament(both.c_str());
    ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(read);
    EXPECT_EQ(tournament.m_Participants.size(), 7u);
    EXPECT_EQ(tournament.m_Index.count(tricky), 1u);
}
} // namespace
