#include "search/Divisor.h"

#include <gtest/gtest.h>

TEST(Divisor, RemaindersOfEveryDrawEqualTheDivisionsOnes)
{
    for (const std::uint32_t divisor :
         {1u,     2u,     3u,     4u,     6u,       7u,          19u,        20u,
          21u,    22u,    97u,    998u,   1000u,    4095u,       4096u,      9999u,
          32767u, 32768u, 32769u, 65535u, 1000003u, 2147483647u, 4294967295u})
    {
        const CDivisor fast(divisor);
        for (int draw = 0; draw <= 32767; ++draw)
            ASSERT_EQ(fast.Remainder(draw), static_cast<std::uint32_t>(draw) % divisor)
                << draw << " mod " << divisor;
    }
}
