#include "pgn/PgnReader.h"
#include "tournament/TournamentReading.h"
#include "tournament/Vantor.h"

#include <iostream>

bool CVantor::ReadTournament(const char* fileName)
{
    CWarnings warnings(std::cerr);
    const EReading reading = ReadTournament(fileName, warnings, std::cout);
    warnings.Finish();
    return reading == EReading::Read;
}

EReading CVantor::ReadTournament(const char* fileName, CWarnings& warnings, std::ostream& console)
{
    ResetToReservedRecords();

    CPgnReader reader(fileName, &warnings);
    if (!reader.IsOpen())
        return EReading::CannotOpen;
    CTournamentReading reading(*this, reader, console);
    if (!reading.ReadAll())
        return EReading::Refused;
    if (PresentCount() == 0)
        reader.Warn(reader.m_Line, "nobody to pair: no participant is present at the end");
    return EReading::Read;
}
