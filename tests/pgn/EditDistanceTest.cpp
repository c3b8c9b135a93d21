#include "pgn/EditDistance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
struct CDistance
{
    std::string m_A;
    std::string m_B;
    std::size_t m_Limit;
    std::size_t m_Distance;
};

const CDistance Rows[] = {
    {"", "", 2, 0},
    {"brandtoskar", "brandtoskra", 2, 1}, // two letters swapped
    {"castellines", "castelines", 2, 1},  // one dropped
    {"dornlukas", "dornlucas", 2, 1},     // one changed
    {"ca", "abc", 2, 3},                  // a swapped pair is not edited again
    {"abcdef", "badcfe", 2, 3},           // beyond the limit
    {"abcdef", "badcfe", 3, 3},
    {"abc", "abcdef", 2, 3}, // the lengths alone are too far apart
    {"abc", "abcdef", 3, 3},
    // Long words: one change at the far end, and words far apart from their first letter on.
    {std::string(100000, 'n') + "a", std::string(100000, 'n') + "b", 2, 1},
    {std::string(100000, 'a'), std::string(100000, 'b'), 2, 3},
};

TEST(EditDistance, CountsEditsUpToTheLimit)
{
    for (const CDistance& row : Rows)
        EXPECT_EQ(EditDistance(row.m_A, row.m_B, row.m_Limit), row.m_Distance)
            << row.m_A.substr(0, 20) << " " << row.m_B.substr(0, 20) << " " << row.m_Limit;
}

// The whole distance table, as the band must agree with it wherever it is within the limit.
std::size_t FullTable(const std::string& a, const std::string& b)
{
    std::vector<std::vector<std::size_t>> cell(a.size() + 1,
                                               std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        for (std::size_t j = 0; j <= b.size(); ++j)
        {
            if (i == 0 || j == 0)
            {
                cell[i][j] = i + j;
                continue;
            }
            cell[i][j] = std::min({cell[i - 1][j] + 1, cell[i][j - 1] + 1,
                                   cell[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                cell[i][j] = std::min(cell[i][j], cell[i - 2][j - 2] + 1);
        }
    return cell[a.size()][b.size()];
}

TEST(EditDistance, AgreesWithTheWholeTableOnEveryShortWord)
{
    std::vector<std::string> words{""};
    for (std::size_t k = 0; k < words.size() && words.size() < 121; ++k)
        if (words[k].size() < 4)
            for (const char letter : {'a', 'b', 'c'})
                words.push_back(words[k] + letter);
    for (const std::string& a : words)
        for (const std::string& b : words)
            for (std::size_t limit = 0; limit <= 3; ++limit)
                ASSERT_EQ(EditDistance(a, b, limit), std::min(FullTable(a, b), limit + 1))
                    << a << " " << b << " " << limit;
}
} // namespace
