#include "reports/EventTitle.h"

#include <cctype>

bool HasTitle(const CEvent& event)
{
    return !event.m_Name.empty() || event.m_Rounds > 0;
}

std::string RoundOf(const CEvent& event, int round)
{
    std::string text = "round " + std::to_string(round);
    if (event.m_Rounds > 0)
        text += " of " + std::to_string(event.m_Rounds);
    return text;
}

std::string Titled(const CEvent& event, const std::string& what)
{
    if (!event.m_Name.empty())
        return event.m_Name + ": " + what;
    std::string capital = what;
    if (!capital.empty())
        capital.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(capital[0])));
    return capital;
}

std::string StandingsHeading(const CEvent& event, int roundsPlayed)
{
    if (roundsPlayed == 0)
        return "standings before " + RoundOf(event, 1);
    return (IsOver(event, roundsPlayed) ? "final standings after " : "standings after ") +
           RoundOf(event, roundsPlayed);
}
