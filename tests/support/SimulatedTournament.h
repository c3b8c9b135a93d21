#pragma once

#include "tournament/Vantor.h"

#include <iosfwd>

// Deterministic tournaments for the tests and the benchmarks: fields of rated participants whose
// games are decided by a fixed rule, so that every build sees the same histories.

// Empties the tournament and adds the reserved records and `participants` rated participants,
// named "Player 1", "Player 2", ... at indices 2, 3, ...
void StartField(CVantor& tournament, int participants);

// The result of a game by the fixed rule, in half points for White.
int FixedResult(const CVantor& tournament, int white, int black, int round);

// Records the pairing held in the participants (after a pairing) as round `round`, every game
// decided by the fixed rule and every bye won.
void PlayPairedRound(CVantor& tournament, int round);

// A quick pairing by score and rating that avoids repeated meetings where it easily can; it
// builds histories without running the search.
void PairQuickly(CVantor& tournament);

// Plays `rounds` rounds paired quickly. Now and then a participant misses a round; those who miss
// the round after the last stay absent for the next pairing.
void BuildHistory(CVantor& tournament, int rounds);

// Writes the tournament as the program's own input file: a %new line per participant, every
// round's games as the written round has them (Result tag and marker filled in from the
// histories, byes as won games against BYE), and a %remove line per absent participant.
void WriteAsInput(const CVantor& tournament, std::ostream& stream);
