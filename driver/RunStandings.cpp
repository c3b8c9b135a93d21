#include "driver/ReadInput.h"
#include "driver/RunModes.h"

#include <iostream>

int RunStandings(const CCommandLine& line)
{
    CVantor tournament;
    CWarnings warnings(std::cerr);
    if (const auto failure = ReadInput(line.m_Input, tournament, warnings, Nowhere()))
        return Fail(*failure);
    std::cerr << "vantor: --standings is not built yet\n";
    return 1;
}
