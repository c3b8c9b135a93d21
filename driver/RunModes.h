#pragma once

#include "driver/CommandLine.h"

// One function per mode, each returning the run's exit status.

// Reads the tournament, pairs the next round and writes it to the output file.
int RunPairing(const CCommandLine& line);
// Reads the tournament and says what looks wrong: the warnings and one summary line; exit 0
// only for a file without a diagnostic or warning.
int RunCheck(const CCommandLine& line);
// Reads the tournament and prints its standings with tie-breaks and a crosstable.
int RunStandings(const CCommandLine& line);
// Reads the tournament and audits every round, and the one it would pair next, against the basic
// rules of the Swiss system.
int RunAudit(const CCommandLine& line);

int PrintHelp();
int PrintVersion();
