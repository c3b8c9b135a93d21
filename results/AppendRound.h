#pragma once

#include "results/RoundFile.h"

#include <string>

class CVantor;

// Whether the round file is the next round of the tournament, complete: every board has a result
// (a double forfeit is one), every board belongs to the round after the tournament's last, and
// every name is one the tournament knows. False with the reason, which names the boards at fault.
bool CanAppend(const CVantor& tournament, const CRoundFile& round, std::string& reason);

// The tournament's text with the round's after it, on a line of its own.
std::string AppendedText(const std::string& tournament, const std::string& round);
