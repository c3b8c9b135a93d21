#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

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
    GetIndex(PlaceholderName);
    GetIndex(ByeName);
    m_Participants[PlaceholderRecord].m_Absent = true;
}
