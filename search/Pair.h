#pragma once

// search/ finds the cheapest pairing; it uses output/, pairing/ and tournament/.
//   Pair.h, Pair.cpp      the whole pairing of a run: prepare, search, report, write the round
//   PairingSearch.h       the threshold-accepting search (PairingSearch.cpp), its moves
//                         (SearchMoves.cpp), the exact pairing of tiny fields
//                         (PairExhaustively.cpp), its Debug checks (CheckPairing.cpp)
//   Divisor.h             the reduction of the draws; DriftBound.md  why the running total holds
// Used by driver/ (the pairing run and the audit).

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
