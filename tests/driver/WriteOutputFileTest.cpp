#include "driver/WriteOutputFile.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace
{
std::size_t FilesIn(const CTemporaryFolder& folder)
{
    const std::filesystem::path path = folder.Path("");
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path),
                                                  std::filesystem::directory_iterator()));
}

TEST(WriteOutputFile, ReplacesTheFileAndKeepsItsPermissions)
{
    const CTemporaryFolder folder;
    const std::string path = folder.Write("round.pgn", "old text that is longer than the new");
    ::chmod(path.c_str(), 0640);
    std::string reason;
    ASSERT_TRUE(WriteOutputFile(path, "new", reason)) << reason;
    EXPECT_EQ(ReadFile(path), "new");
    struct stat status
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesIn(folder), 1u);
}

TEST(WriteOutputFile, WritesThroughASymbolicLink)
{
    const CTemporaryFolder folder;
    const std::string target = folder.Write("target.pgn", "old");
    std::filesystem::create_symlink(target, folder.Path("link.pgn"));
    std::string reason;
    ASSERT_TRUE(WriteOutputFile(folder.Path("link.pgn"), "new", reason)) << reason;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("link.pgn")));
    EXPECT_EQ(ReadFile(target), "new");
}

TEST(WriteOutputFile, FailuresLeaveTheOldFileAndNoLitter)
{
    const CTemporaryFolder folder;
    std::string reason;
    EXPECT_FALSE(WriteOutputFile(folder.Path("missing/round.pgn"), "text", reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_FALSE(WriteOutputFile(folder.Path(""), "text", reason));
    EXPECT_EQ(reason, "Is a directory");
    EXPECT_FALSE(WriteOutputFile("/dev/full", "text", reason));
    EXPECT_EQ(reason, "No space left on device");

    // A file size limit stops the write half way; the old file must survive whole.
    const std::string path = folder.Write("round.pgn", "the tournament so far");
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = original;
    limited.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const bool written = WriteOutputFile(path, std::string(5000, 'x'), reason);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(ReadFile(path), "the tournament so far");
    EXPECT_EQ(FilesIn(folder), 1u);
}
} // namespace
