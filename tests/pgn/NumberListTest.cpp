#include "pgn/NumberList.h"

#include <gtest/gtest.h>

#include <numeric>

namespace
{
TEST(NumberList, NamesTenNumbersAndCountsTheRest)
{
    std::vector<int> thousands(2453);
    std::iota(thousands.begin(), thousands.end(), 1);
    const std::vector<std::pair<std::vector<int>, std::string>> rows{
        {{7}, "board 7"},
        {{1, 4}, "boards 1, 4"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "boards 1, 2, 3, 4, 5, 6, 7, 8, 9, 10"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "boards 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 1 more"},
        {thousands, "boards 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2443 more"}};
    for (const auto& [numbers, text] : rows)
        EXPECT_EQ(NumberList("board", numbers), text);
}
} // namespace
