#include "tournament/Vantor.h"

#include "pgn/PgnReader.h"
#include "tournament/ReservedRecords.h"
#include "tournament/TournamentReading.h"

#include <algorithm>
#include <iostream>

int CVantor::GetIndex(const std::string& name)
{
    const auto known = m_Index.find(name);
    if (known != m_Index.end())
        return known->second;
    const int index = static_cast<int>(m_Participants.size());
    CParticipant participant;
    participant.m_Name = name;
    m_Index.emplace(name, index);
    m_Participants.push_back(std::move(participant));
    return index;
}

void CVantor::ResetToReservedRecords()
{
    m_Participants.clear();
    m_Index.clear();
    m_Entries.clear();
    m_Event = CEvent{};
    m_RequestedByes.clear();
    GetIndex(PlaceholderName);
    GetIndex(ByeName);
    m_Participants[PlaceholderRecord].m_Absent = true;
}

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
    m_EndsInsideGame = reader.EndsInsideGame();
    return EReading::Read;
}

std::size_t CVantor::RoundsPlayed() const
{
    std::size_t rounds = 0;
    for (const CParticipant& participant : m_Participants)
        rounds = std::max(rounds, participant.m_History.size());
    return rounds;
}

int CVantor::PresentCount() const
{
    return static_cast<int>(std::count_if(m_Participants.begin() + FirstParticipant,
                                          m_Participants.end(),
                                          [](const CParticipant& p) { return !p.m_Absent; }));
}
