#pragma once

#include "tournament/Vantor.h"

// The cost of a pairing: the sum of one term per participant, each stored with its pairing state
// (the formula is in ParticipantTerm.h).

// Computes, stores and returns the participant's cost term for its current pairing state; the
// participant is one of the tournament's.
double EvaluateParticipant(CVantor& tournament, CParticipant& participant);

// The sum of the stored terms of records 2 to n-1, in index order.
double TotalCost(const CVantor& tournament);
