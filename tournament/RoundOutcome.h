#pragma once

#include <cstdint>

class CParticipant;

// What a round was for a participant, as the reports show it. The pairing reads only the
// history, where a forfeit win is a bye, a forfeit loss and a double forfeit are rounds without a
// game, and a requested bye is a bye; the rest comes from the program's own tags of the game.
enum class ERoundKind
{
    NoGame,        // absent, not paired, or a game left at *
    Played,        // a game against a participant
    PairingBye,    // the bye the pairing gave
    RequestedBye,  // a bye the participant asked for (%bye)
    ForfeitWin,    // the opponent paired did not come
    ForfeitLoss,   // the participant did not come
    DoubleForfeit, // neither came
};

// What the game of a round said beyond the history: kept per participant and round by the
// reading, and believed only where the history agrees (see RoundOutcome).
struct CRoundNote
{
    ERoundKind m_Kind = ERoundKind::NoGame; // NoGame: the history says it all
    std::int32_t m_Opponent = 0;            // the opponent paired, for a forfeit
    bool m_White = true;                    // the colour paired, for a forfeit
    std::int32_t m_Board = 0;               // the number after the dot of the Round tag
};

struct CRoundOutcome
{
    ERoundKind m_Kind = ERoundKind::NoGame;
    // Played: the opponent; a forfeit: the opponent paired; a bye: the bye record; else 0.
    std::int32_t m_Opponent = 0;
    bool m_White = true;       // Played and forfeits: the colour played or paired with
    std::int32_t m_Points = 0; // half points the round gave, as the history says
    std::int32_t m_Board = 0;  // 0 when the game's Round tag named no board
};

// The round (from 1) of the participant; NoGame beyond his history.
CRoundOutcome RoundOutcome(const CParticipant& participant, int round);

// The rounds a participant chose not to play, which the tie-breaks treat apart: a requested bye,
// a forfeit loss or a double forfeit, and a round without a game. A pairing-allocated bye and a
// forfeit win are not.
bool IsVoluntarilyUnplayed(ERoundKind kind);
