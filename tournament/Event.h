#pragma once

#include <string>

// What the director says of the event itself, which the reports and the written round show.
struct CEvent
{
    std::string m_Name; // %event "Name"; empty when the file names no event
    int m_Rounds = 0;   // %rounds "9"; 0 when the file does not say
};

// After the last round: the standings are final, and there is no next round to pair or audit.
inline bool IsOver(const CEvent& event, int roundsPlayed)
{
    return event.m_Rounds > 0 && roundsPlayed >= event.m_Rounds;
}
