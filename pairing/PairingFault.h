#pragma once

#include "tournament/Vantor.h"

#include <string>

// What is wrong with the board of the record at index (from 2 on) in the pairing in hand, empty
// when nothing is: a playing participant has one opponent, another playing participant or the
// bye record, who names it back and has the other colour; an absent participant is unpaired; and
// the stored term is, to the last bit, the term evaluated afresh.
std::string BoardFault(const CVantor& tournament, int index);

// The same for every board. The bye record names one participant back, so at most one gets the
// bye.
std::string PairingFault(const CVantor& tournament);
