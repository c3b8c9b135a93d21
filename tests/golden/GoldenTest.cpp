#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
// The behaviour signature: whole tournaments whose next round and console output were recorded
// once and must come out byte for byte the same from every later build. A change that moves a
// single pairing shows here, however small its cost difference.
class GoldenTournament : public ::testing::TestWithParam<std::string>
{
};

TEST_P(GoldenTournament, PairsExactlyAsRecorded)
{
    const std::filesystem::path folder =
        std::filesystem::path(VANTOR_SOURCE_DIR) / "tests" / "golden" / GetParam();
    const CTemporaryFolder scratch;
    const std::string input = (folder / "input.pgn").string();
    const CVantorRun run = RunVantor({input, scratch.Path("round.pgn")}, scratch);
    ASSERT_EQ(run.m_Status, 0) << run.m_Stderr;
    EXPECT_EQ(run.m_Stderr, "");
    EXPECT_EQ(run.m_Stdout, ReadFile((folder / "expected-stdout.txt").string()));
    EXPECT_TRUE(ReadFile(scratch.Path("round.pgn")) == ReadFile((folder / "expected.pgn").string()))
        << "the pairing of " << GetParam() << " differs from the recorded one";
}

INSTANTIATE_TEST_SUITE_P(Recorded, GoldenTournament,
                         ::testing::Values("debug-30", "seed0-201", "field-1000"),
                         [](const ::testing::TestParamInfo<std::string>& tournament)
                         {
                             std::string name = tournament.param;
                             for (char& character : name)
                                 if (character == '-')
                                     character = '_';
                             return name;
                         });
} // namespace
