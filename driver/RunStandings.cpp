#include "driver/ReadInput.h"
#include "driver/RunModes.h"
#include "reports/StandingsTable.h"
#include "reports/WriteStandings.h"

#include <iostream>

int RunStandings(const CCommandLine& line)
{
    CVantor tournament;
    CWarnings warnings(std::cerr);
    if (const auto failure = ReadInput(line.m_Input, tournament, warnings, Nowhere()))
        return Fail(*failure);
    const CStandingsTable table = BuildStandingsTable(tournament);
    if (line.m_Csv)
        WriteStandingsCsv(std::cout, tournament, table);
    else
        WriteStandingsText(std::cout, tournament, table);
    return 0;
}
