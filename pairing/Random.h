#pragma once

#include <cstdint>

// The pseudo-random sequence that the standings and the search draw from in turn. It is the
// linear congruential generator of the C runtime that tournament directors have long used, so
// that the same file and seed give the same pairing on every machine, whatever its own C
// library's rand does. One process-wide sequence; unseeded it acts as if seeded with 1. Inline,
// because the search draws several numbers per move.
inline std::uint32_t RandomState = 1;

inline void SeedRandom(std::uint32_t seed)
{
    RandomState = seed;
}

// The next value, from 0 to 32767.
inline int DrawRandom()
{
    RandomState = RandomState * 214013u + 2531011u;
    return static_cast<int>((RandomState >> 16) & 0x7FFFu);
}
