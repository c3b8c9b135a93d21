#pragma once

#include "pairing/PairedBoards.h"
#include "tournament/RoundOutcome.h"
#include "tournament/Vantor.h"

#include <array>
#include <cstddef>
#include <vector>

// The audit holds each round to the basic rules of the Swiss system, which the pairing cost only
// prices: what it finds is reported, never corrected.
enum class EAuditEvent
{
    Rematch,         // two participants who met in an earlier round
    SecondBye,       // the pairing's bye for one who had it, or won by forfeit, in an earlier round
    ColourImbalance, // more than two games more with one colour than with the other, after it
    ThirdColour,     // the same colour as in the participant's two games before
    DifferentScores, // a board between participants with different scores before the round
    OneSidedGame,    // a game that only one of its two players' records holds in that round
};
inline constexpr std::size_t AuditEventKinds = 6;

struct CAuditEvent
{
    EAuditEvent m_Kind = EAuditEvent::Rematch;
    int m_Participant = 0; // the one concerned; on a board, White or the bye's receiver
    int m_Opponent = 0;    // Black of a board event, else 0
    // DifferentScores: White's and Black's scores in half points; ColourImbalance: the games
    // with White and with Black after the round; ThirdColour: the colour, 1 White or 0 Black;
    // SecondBye: 1 when a forfeit win is among the earlier rounds; OneSidedGame: 1 when White's
    // record holds the game, 0 when Black's does.
    std::array<int, 2> m_Figures{};
    // Rematch: the rounds of the earlier meetings; SecondBye: of the earlier byes and forfeit
    // wins; ThirdColour: of the three games.
    std::vector<int> m_Rounds;
};

struct CAuditCounts
{
    int m_Boards = 0; // games, byes and forfeits
    int m_Byes = 0;   // the pairing's and requested ones
    int m_Forfeits = 0;
    std::array<int, AuditEventKinds> m_Events{};
    int m_ScoreDifferences = 0; // summed over the boards between different scores, half points

    int Count(EAuditEvent kind) const { return m_Events[static_cast<std::size_t>(kind)]; }
    CAuditCounts& operator+=(const CAuditCounts& other);
};

struct CRoundAudit
{
    int m_Round = 0;
    bool m_Played = true; // false for the next round, as paired
    std::vector<CAuditEvent> m_Events;
    CAuditCounts m_Counts;
};

// A board as the audit sees it: White and Black as paired (a bye's receiver and the bye record;
// a forfeit's winner or loser may be the placeholder when the file did not name him) and what
// the board was: Played, a bye, ForfeitWin (a forfeit won by one side) or DoubleForfeit.
struct CAuditBoard
{
    CBoard m_Board;
    ERoundKind m_Kind = ERoundKind::Played;
};

// The boards of a round played, as the histories and the notes beside them record them.
std::vector<CAuditBoard> PlayedBoards(const CVantor& tournament, int round);

// Audits the boards of a round against the histories of the rounds before it.
CRoundAudit AuditRound(const CVantor& tournament, int round,
                       const std::vector<CAuditBoard>& boards);

// Every round played, then the next round as the participants hold it after a pairing, unless the
// last round of the event has been played.
std::vector<CRoundAudit> AuditTournament(const CVantor& tournament);
