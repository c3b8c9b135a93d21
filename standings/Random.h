#pragma once

#include <cstdint>

// The pseudo-random sequence that the standings and the search draw from in turn. It is the
// linear congruential generator of the C runtime that tournament directors have long used, so
// that the same file and seed give the same pairing on every machine, whatever its own C
// library's rand does. One process-wide sequence; unseeded it acts as if seeded with 1.
void SeedRandom(std::uint32_t seed);

// The next value, from 0 to 32767.
int DrawRandom();
