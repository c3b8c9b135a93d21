#pragma once

#include "driver/Failure.h"
#include "pgn/Warnings.h"
#include "tournament/Vantor.h"

#include <iosfwd>
#include <optional>
#include <string>

// Reads the input file as every mode does: the same diagnostics, refusals and warnings (on
// standard error, counted in warnings), the participant-list messages on console. The failure,
// already reported, when it cannot be read.
std::optional<EFailure> ReadInput(const std::string& name, CVantor& tournament, CWarnings& warnings,
                                  std::ostream& console);

// A stream that drops what it is given, for the messages a report leaves out; its buffer stands in
// for standard output where a run must print nothing there (std::cout.rdbuf(Nowhere().rdbuf())).
std::ostream& Nowhere();
