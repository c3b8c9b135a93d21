#include "pairing/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<int> Draw(int count)
{
    std::vector<int> values;
    for (int k = 0; k < count; ++k)
        values.push_back(DrawRandom());
    return values;
}
} // namespace

TEST(Random, SeedOneGivesTheRuntimeSequence)
{
    SeedRandom(1);
    EXPECT_EQ(Draw(5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST(Random, ReseedingRestartsTheSequenceAndNegativeSeedsWrap)
{
    SeedRandom(12345);
    const auto first = Draw(20);
    SeedRandom(12345);
    EXPECT_EQ(Draw(20), first);

    // A negative seed is taken modulo 2^32, as the runtime's unsigned seed parameter takes it.
    SeedRandom(static_cast<std::uint32_t>(-1));
    const auto wrapped = Draw(3);
    SeedRandom(4294967295u);
    EXPECT_EQ(Draw(3), wrapped);
}

TEST(Random, ValuesStayWithinFifteenBits)
{
    SeedRandom(987654321u);
    for (const int value : Draw(100000))
        ASSERT_TRUE(value >= 0 && value <= 32767) << value;
}
