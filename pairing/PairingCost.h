#pragma once

#include "pairing/PackedPairing.h"
#include "tournament/Vantor.h"

// The cost of a pairing: the sum of one term per participant, each stored with its pairing state
// (the formula is in ParticipantTerm.h).

// Computes, stores and returns the participant's cost term for its current pairing state; the
// participant is one of the tournament's.
double EvaluateParticipant(CVantor& tournament, CParticipant& participant);
// The same for the record at index of the search's packed pairing.
double EvaluateParticipant(CPackedPairing& pairing, int index);

// The sum of the stored terms of records 2 to n-1, in index order, of the tournament's pairing
// in hand or of the packed one: the same terms give the same sum.
double TotalCost(const CVantor& tournament);
double TotalCost(const CPackedPairing& pairing);
