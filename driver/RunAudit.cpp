#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "reports/WriteAudit.h"
#include "search/Pair.h"

#include <iostream>
#include <string>

int RunAudit(const CCommandLine& line)
{
    CVantor tournament;
    CWarnings warnings(std::cerr);
    if (const auto failure = ReadInput(line.m_Input, tournament, warnings, Nowhere()))
        return Fail(*failure);
    // The next round is the one the pairing run would write; the written text and the closing
    // lines of the search are not the audit's to show.
    std::string round;
    PairNextRound(tournament, round, Nowhere());
    WriteAudit(std::cout, tournament, AuditTournament(tournament));
    return 0;
}
