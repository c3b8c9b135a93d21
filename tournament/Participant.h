#pragma once

#include "tournament/Candidates.h"
#include "tournament/PairingState.h"
#include "tournament/RoundEntry.h"
#include "tournament/RoundOutcome.h"

#include <cstdint>
#include <string>
#include <vector>

// One record of the tournament: a real participant, or one of the two reserved records (the
// placeholder and the bye record). Scores are in half points; colours are 1 White, 0 Black;
// floats are +1 down, -1 up, 0 none. Everything but the name, the absence flag, the rating and
// the history is derived by the standings and overwritten on every preparation. The search reads
// none of it at random: it works on a packed copy of what it needs (pairing/PackedPairing.h).
class CParticipant
{
public:
    // Stores one round of the history; round 0 means the next round. Rounds skipped on the way
    // become fill entries. A negative round has no place in a history and stores nothing.
    void SetResult(int opponent, int round, bool white, int points);
    // Keeps the note of round (from 1), beside the history.
    void SetNote(int round, const CRoundNote& note);

    CCandidates m_Candidates;
    CPairingState m_Pairing;
    bool m_Absent = false;
    std::int32_t m_Points = 0;
    std::int32_t m_Place = 0;

    std::string m_Name;
    std::int32_t m_Elo = 0;
    double m_OppAverage = 0.0; // average opponents' score in points, not half points
    std::int32_t m_WhiteGames = 0;
    std::int32_t m_BlackGames = 0;
    std::int32_t m_LastColour = 0; // 2 = no game against a real participant yet
    std::int32_t m_PrevColour = 0; // 2 = exactly one such game, 3 = none
    std::int32_t m_LastFloat = 0;
    std::int32_t m_PrevFloat = 0;
    std::vector<CRoundEntry> m_History;
    // Beside the history, by round: what the reports need of a game beyond it (a forfeit, a
    // requested bye, the board). The pairing never reads it.
    std::vector<CRoundNote> m_Notes;
};

// The participant's entry of round (from 1), the fill entry when his history ends before it.
inline CRoundEntry EntryOfRound(const CParticipant& participant, int round)
{
    const auto entry = static_cast<std::size_t>(round - 1);
    return entry < participant.m_History.size() ? participant.m_History[entry] : CRoundEntry{};
}

// The score in half points from the rounds before round (from 1), as every part of the program
// counts it: a win 2, a draw 1, a bye as its result says, a round without a game nothing.
std::int32_t ScoreBefore(const CParticipant& participant, int round);

// The same from every round of the history.
std::int32_t Score(const CParticipant& participant);

// The participant's note of round (from 1), an empty note beyond the notes kept.
inline CRoundNote NoteOfRound(const CParticipant& participant, int round)
{
    const auto entry = static_cast<std::size_t>(round - 1);
    return entry < participant.m_Notes.size() ? participant.m_Notes[entry] : CRoundNote{};
}
