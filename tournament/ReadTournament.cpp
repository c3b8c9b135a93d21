#include "pgn/PgnReader.h"
#include "tournament/ReservedRecords.h"
#include "tournament/TournamentReading.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <iostream>

bool CVantor::ReadTournament(const char* fileName)
{
    CWarnings warnings(std::cerr);
    const bool read = ReadTournament(fileName, warnings, std::cout);
    warnings.Finish();
    return read;
}

bool CVantor::ReadTournament(const char* fileName, CWarnings& warnings, std::ostream& console)
{
    ResetToReservedRecords();

    CPgnReader reader(fileName, &warnings);
    if (!reader.IsOpen())
        return false;
    CTournamentReading reading(*this, reader, console);
    if (!reading.ReadAll())
        return false;
    const bool anyPresent =
        std::any_of(m_Participants.begin() + FirstParticipant, m_Participants.end(),
                    [](const CParticipant& participant) { return !participant.m_Absent; });
    if (!anyPresent)
        reader.Warn(reader.m_Line, "nobody to pair: no participant is present at the end");
    return true;
}
