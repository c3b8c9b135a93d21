#pragma once

#include "tournament/Vantor.h"

#include <cstdint>

// A tournament that a simple pairer made, not the program's search: `players` rated participants
// whose ratings the seed deals out, then `rounds` rounds in which everyone plays, paired quickly
// by score and rating, each pair given the colours its members ask for, every game decided by
// the fixed rule and every bye won.
void BuildFullHistory(CVantor& tournament, int players, int rounds, std::uint32_t seed);
