#include "standings/Random.h"

namespace
{
std::uint32_t RandomState = 1;
}

void SeedRandom(std::uint32_t seed)
{
    RandomState = seed;
}

int DrawRandom()
{
    RandomState = RandomState * 214013u + 2531011u;
    return static_cast<int>((RandomState >> 16) & 0x7FFFu);
}
