#pragma once

#include "tournament/Vantor.h"

#include <cstdint>
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

// A quick pairing of the present participants, made by a simple pairer instead of the search, so
// that histories are built fast and the program is judged on rounds it did not shape. Down the
// order of score and rating, each participant takes the next one still free that is best by these
// marks, in this order: not met before, the same score, colour wishes that agree (looking beyond
// the next 40 only when none of them is free). Colours follow the wishes, judged as a director
// would from the games played: to avoid a third colour in a row or a difference beyond 2, then to
// even out a difference of 1, then to alternate; the better placed player's wish wins a tie. The
// bye goes to the lowest placed who has not had one.
void PairQuickly(CVantor& tournament);

// Plays `rounds` rounds paired quickly. Now and then a participant misses a round; those who miss
// the round after the last stay absent for the next pairing.
void BuildHistory(CVantor& tournament, int rounds);

// Writes the tournament as the program's own input file: a %new line per participant, every
// round's games as the written round has them (Result tag and marker filled in from the
// histories, byes as won games against BYE), and a %remove line per absent participant.
void WriteAsInput(const CVantor& tournament, std::ostream& stream);

// Deals the ratings of the field out anew, shuffled by the seed.
void DealRatings(CVantor& tournament, std::uint32_t seed);

// `players` participants whose ratings the seed deals out, then `rounds` rounds in which everyone
// plays, paired quickly.
void BuildFullHistory(CVantor& tournament, int players, int rounds, std::uint32_t seed);
