#pragma once

#include "pairing/ExchangeStates.h"
#include "pairing/PackedPairing.h"
#include "tournament/Vantor.h"

#include <array>
#include <limits>

// The exchange of opponents, the search's basic move, with its undo, its measuring beforehand
// and the rotation of three. The measuring works on the tournament's records or on the search's
// packed copy of the pairing, with the same terms to the last bit.

// a takes b's opponent and b takes a's; returns the change of the total cost.
double ExchangeOpponents(CVantor& tournament, int a, int b, bool aAdapts, bool bAdapts,
                         CExchangeUndo* undo);
void UndoExchange(CVantor& tournament, const CExchangeUndo& undo);

// The same change, changing nothing: result receives the four records and the states the
// exchange would give them, which ApplyExchange then puts in place. Once the change is certain to
// be at least enough, only a lower bound of it is worked out and returned, and the states are
// left incomplete. Only for a and b whose opponents are neither each other nor the same record.
double MeasureExchange(const CVantor& tournament, int a, int b, bool aAdapts, bool bAdapts,
                       CMeasuredExchange& result,
                       double enough = std::numeric_limits<double>::infinity());
double MeasureExchange(const CPackedPairing& pairing, int a, int b, bool aAdapts, bool bAdapts,
                       CMeasuredExchange& result,
                       double enough = std::numeric_limits<double>::infinity());
void ApplyExchange(CPackedPairing& pairing, const CMeasuredExchange& measured);

// A lower bound of the change MeasureExchange gives, to the last bit; cheap, as it leaves out all
// but the score terms. -infinity where no bound is known.
double LeastExchangeChange(const CVantor& tournament, int a, int b);
double LeastExchangeChange(const CPackedPairing& pairing, int a, int b);

// The change of an exchange of a and b followed by one of a and c, with the colour flags of the
// two (aAdapts and bAdapts of each), changing nothing: first and second receive the states each
// exchange would give its records, to be put in place in that order. Once the change is certain
// to be at least enough, only a lower bound of it is worked out and returned, and the states are
// left incomplete. Only for a, b, c and their opponents all different.
double MeasureRotation(const CVantor& tournament, int a, int b, int c,
                       const std::array<bool, 4>& adapts, double enough, CMeasuredExchange& first,
                       CMeasuredExchange& second);
double MeasureRotation(const CPackedPairing& pairing, int a, int b, int c,
                       const std::array<bool, 4>& adapts, double enough, CMeasuredExchange& first,
                       CMeasuredExchange& second);
