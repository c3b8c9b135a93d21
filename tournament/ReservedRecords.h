#pragma once

// The two records that head every tournament. The placeholder is the opponent named by a round
// without a game and is never paired; the participant paired with the bye record gets the bye.
inline constexpr int PlaceholderRecord = 0;
inline constexpr int ByeRecord = 1;
inline constexpr int FirstParticipant = 2;

inline constexpr const char* PlaceholderName = "***   :-) ;-)   ***";
inline constexpr const char* ByeName = "BYE";
