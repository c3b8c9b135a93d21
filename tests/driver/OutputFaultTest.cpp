#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// Where what the program writes cannot go where it should: standard output that takes nothing
// more, and output files behind a read-only folder or a symbolic link. Each row is one run
// through the binary, and says what the director sees and what becomes of the files.
namespace
{
const std::string Tournament = VANTOR_SOURCE_DIR "/tests/golden/field-1000/input.pgn";

// Replaces every IN and OUT among the arguments by the files' paths.
std::vector<std::string> WithPaths(std::vector<std::string> arguments, const std::string& input,
                                   const std::string& output)
{
    for (std::string& argument : arguments)
        argument = argument == "IN" ? input : (argument == "OUT" ? output : argument);
    return arguments;
}

struct CConsoleFault
{
    const char* m_What;
    std::vector<std::string> m_Arguments;
    std::string m_Shell; // runs the program as "$0" "$@", standard output as the row says; DIR
                         // stands for the test's folder
    bool m_ReaderGone;   // standard output is a pipe whose reader has quit
    int m_Status;
    std::string m_Stderr;
};

const std::string NoSpace = "Cannot write standard output: No space left on device\n";
const std::string ToFull = "exec \"$0\" \"$@\" > /dev/full";
const std::string Closed = "exec \"$0\" \"$@\" >&-";
const std::string AsItIs = "exec \"$0\" \"$@\"";

const CConsoleFault ConsoleFaults[] = {
    {"standings as CSV to a full disk", {"--standings", "--csv", "IN"}, ToFull, false, 1, NoSpace},
    // dash counts the limit in blocks of 512 bytes: the CSV stops in the middle of a row.
    {"standings as CSV beyond a file size limit",
     {"--standings", "--csv", "IN"},
     "ulimit -f 8 && exec \"$0\" \"$@\" > DIR/standings.csv",
     false,
     1,
     "Cannot write standard output: File too large\n"},
    {"standings to a closed standard output",
     {"--standings", "IN"},
     Closed,
     false,
     1,
     "Cannot write standard output: Bad file descriptor\n"},
    {"audit to a full disk", {"--audit", "IN"}, ToFull, false, 1, NoSpace},
    {"check to a full disk", {"--check", "IN"}, ToFull, false, 1, NoSpace},
    {"help to a full disk", {"--help"}, ToFull, false, 1, NoSpace},
    {"version to a closed standard output",
     {"--version"},
     Closed,
     false,
     1,
     "Cannot write standard output: Bad file descriptor\n"},
    // The console only reports: the round is complete, and written all the same.
    {"pairing run to a full disk", {"IN", "OUT"}, ToFull, false, 1, NoSpace},
    {"usage to a full disk",
     {"IN"},
     ToFull,
     false,
     1,
     "usage: Vantor.exe <input pgn file> <output pgn file>\n" + NoSpace},
    // A reader that has read enough (| head) is no failure: the run ends as it would have.
    {"standings to a reader that quit", {"--standings", "IN"}, AsItIs, true, 0, ""},
    {"audit to a reader that quit", {"--audit", "IN"}, AsItIs, true, 0, ""},
    {"pairing run to a reader that quit", {"IN", "OUT"}, AsItIs, true, 0, ""},
};

TEST(OutputFault, StandardOutputThatTakesNothingMoreIsReportedUnlessItsReaderQuit)
{
    for (const CConsoleFault& fault : ConsoleFaults)
    {
        SCOPED_TRACE(fault.m_What);
        const CTemporaryFolder folder;
        const std::string round = folder.Path("round.pgn");
        std::string shell = fault.m_Shell;
        if (const std::size_t at = shell.find("DIR"); at != std::string::npos)
            shell.replace(at, 3, folder.Path(""));
        std::vector<std::string> arguments{"-c", shell, VANTOR_EXECUTABLE};
        for (const std::string& argument : WithPaths(fault.m_Arguments, Tournament, round))
            arguments.push_back(argument);
        int pipeEnds[2] = {-1, -1};
        if (fault.m_ReaderGone)
        {
            ASSERT_EQ(::pipe(pipeEnds), 0);
            ::close(pipeEnds[0]);
        }
        const CVantorRun run = RunProgram("/bin/sh", arguments, folder, pipeEnds[1]);
        if (fault.m_ReaderGone)
            ::close(pipeEnds[1]);
        EXPECT_EQ(run.m_Status, fault.m_Status);
        EXPECT_EQ(run.m_Stderr, fault.m_Stderr);
        if (fault.m_Arguments.back() == "OUT")
        {
            EXPECT_NE(ReadFile(round).find("[Round \"6.1\"]"), std::string::npos);
        }
    }
}

// An output file and what stands in its way. The setup makes the folder's files and returns the
// output's name; the run is made as a user whom permissions bind.
struct CFileFault
{
    const char* m_What;
    std::function<std::string(const CTemporaryFolder&)> m_Setup;
    const char* m_Limit; // a file size limit in blocks of 512 bytes, or none
    int m_Status;
    std::string m_Stderr;  // OUT stands for the output's name
    const char* m_Written; // the file that gets the round, or none
    const char* m_Kept;    // a file that must still hold "the previous round", or none
};

// A folder that takes no new file, as a shared folder may be, holding a writable round.
std::string ReadOnlyFolder(const CTemporaryFolder& folder)
{
    std::filesystem::create_directory(folder.Path("shared"));
    const std::string output = folder.Write("shared/round.pgn", "the previous round");
    ::chmod(output.c_str(), 0666);
    ::chmod(folder.Path("shared").c_str(), 0555);
    return output;
}

std::string LinkTo(const CTemporaryFolder& folder, const std::string& target)
{
    std::filesystem::create_symlink(target, folder.Path("link.pgn"));
    return folder.Path("link.pgn");
}

const CFileFault FileFaults[] = {
    {"a folder that takes no new file", ReadOnlyFolder, nullptr, 0, "", "shared/round.pgn",
     nullptr},
    // Written in place, the round must not stop half way over the previous one.
    {"a folder that takes no new file, and a file size limit", ReadOnlyFolder, "8", 1,
     "Cannot write file OUT: File too large\n", nullptr, "shared/round.pgn"},
    {"a symbolic link to a file not there yet",
     [](const CTemporaryFolder& folder)
     {
         std::filesystem::create_directory(folder.Path("d"));
         ::chmod(folder.Path("d").c_str(), 0777);
         return LinkTo(folder, "d/target.pgn");
     },
     nullptr, 0, "", "d/target.pgn", nullptr},
    {"a link to a link to a file",
     [](const CTemporaryFolder& folder)
     {
         ::chmod(folder.Write("target.pgn", "the previous round").c_str(), 0666);
         std::filesystem::create_symlink("target.pgn", folder.Path("middle.pgn"));
         return LinkTo(folder, folder.Path("middle.pgn"));
     },
     nullptr, 0, "", "target.pgn", nullptr},
    {"a symbolic link into a folder that does not exist",
     [](const CTemporaryFolder& folder) { return LinkTo(folder, "missing/target.pgn"); }, nullptr,
     1, "Cannot write file OUT: No such file or directory\n", nullptr, nullptr},
    {"symbolic links in a loop",
     [](const CTemporaryFolder& folder)
     {
         std::filesystem::create_symlink("link.pgn", folder.Path("other.pgn"));
         return LinkTo(folder, "other.pgn");
     },
     nullptr, 1, "Cannot write file OUT: Too many levels of symbolic links\n", nullptr, nullptr},
};

CVantorRun RunBoundByPermissions(const std::vector<std::string>& arguments, const char* limit,
                                 const CTemporaryFolder& folder)
{
    std::vector<std::string> words{
        "-c", std::string(limit ? "ulimit -f " + std::string(limit) + " && " : "") +
                  "exec \"$0\" \"$@\""};
    if (::geteuid() == 0)
        words.insert(words.end(),
                     {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    words.push_back(VANTOR_EXECUTABLE);
    words.insert(words.end(), arguments.begin(), arguments.end());
    return RunProgram("/bin/sh", words, folder);
}

TEST(OutputFault, AnOutputFileGetsTheWholeRoundOrStaysAsItWas)
{
    for (const CFileFault& fault : FileFaults)
    {
        SCOPED_TRACE(fault.m_What);
        const CTemporaryFolder folder;
        ::chmod(folder.Path("").c_str(), 0777);
        const std::string input = folder.Write("in.pgn", ReadFile(Tournament));
        ::chmod(input.c_str(), 0644);
        const std::string output = fault.m_Setup(folder);
        const CVantorRun run = RunBoundByPermissions({input, output}, fault.m_Limit, folder);
        ::chmod(folder.Path("shared").c_str(), 0755);
        EXPECT_EQ(run.m_Status, fault.m_Status);
        std::string expected = fault.m_Stderr;
        if (const std::size_t at = expected.find("OUT"); at != std::string::npos)
            expected.replace(at, 3, output);
        EXPECT_EQ(run.m_Stderr, expected);
        if (fault.m_Written != nullptr)
        {
            EXPECT_NE(ReadFile(folder.Path(fault.m_Written)).find("[Round \"6.1\"]"),
                      std::string::npos);
        }
        if (fault.m_Kept != nullptr)
        {
            EXPECT_EQ(ReadFile(folder.Path(fault.m_Kept)), "the previous round");
        }
        if (std::filesystem::is_symlink(folder.Path("link.pgn")))
        {
            EXPECT_TRUE(std::filesystem::is_symlink(output)) << "the link stays a link";
        }
    }
}
} // namespace
