#pragma once

#include "tournament/Vantor.h"

#include <cstdint>
#include <iosfwd>
#include <string>

// Searches the cheapest pairing of the next round and replaces output with its PGN text; the
// closing lines of the search go to standard output.
void Pair(CVantor& tournament, std::string& output);

// The whole pairing of a run: seeds the generator, prepares the standings, searches, reports the
// closing lines on console and replaces output with the new round's PGN text. Returns the number
// of moves the search made.
std::int64_t PairNextRound(CVantor& tournament, std::string& output, std::ostream& console);
