#pragma once

#include "tournament/Event.h"

#include <string>

// What heads a report: the event's name, when the file gives one, and what the report is, with the
// number of rounds where the file says it ("standings after round 5 of 9").

// Whether the file says anything of the event: the text and CSV forms carry a title line only
// then, so that they stay as they were for a file that does not.
bool HasTitle(const CEvent& event);

// "round 5 of 9", or "round 5" when the number of rounds is not known.
std::string RoundOf(const CEvent& event, int round);

// "Spring Open: what", or "What" for an unnamed event.
std::string Titled(const CEvent& event, const std::string& what);

// "standings after round 5 of 9", "final standings after round 9 of 9", "standings before round 1".
std::string StandingsHeading(const CEvent& event, int roundsPlayed);
