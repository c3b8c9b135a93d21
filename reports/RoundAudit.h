#pragma once

#include "pairing/PairedBoards.h"
#include "tournament/Vantor.h"

#include <array>
#include <cstddef>
#include <vector>

// The audit holds each round to the basic rules of the Swiss system, which the pairing cost only
// prices: what it finds is reported, never corrected.
enum class EAuditEvent
{
    Rematch,         // two participants who met in an earlier round
    SecondBye,       // a bye for a participant who had one in an earlier round
    ColourImbalance, // more than two games more with one colour than with the other, after it
    ThirdColour,     // the same colour as in the participant's two games before
    DifferentScores, // a board between participants with different scores before the round
};
inline constexpr std::size_t AuditEventKinds = 5;

struct CAuditEvent
{
    EAuditEvent m_Kind = EAuditEvent::Rematch;
    int m_Participant = 0; // the one concerned; on a board, White or the bye's receiver
    int m_Opponent = 0;    // Black of a board event, else 0
    // DifferentScores: White's and Black's scores in half points; ColourImbalance: the games
    // with White and with Black after the round; ThirdColour: the colour, 1 White or 0 Black.
    std::array<int, 2> m_Figures{};
    // Rematch: the rounds of the earlier meetings; SecondBye: of the earlier byes; ThirdColour:
    // of the three games.
    std::vector<int> m_Rounds;
};

struct CAuditCounts
{
    int m_Boards = 0; // games and byes
    int m_Byes = 0;
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

// The boards of a round played, as the histories record them.
std::vector<CBoard> PlayedBoards(const CVantor& tournament, int round);

// Audits the boards of a round against the histories of the rounds before it.
CRoundAudit AuditRound(const CVantor& tournament, int round, const std::vector<CBoard>& boards);

// Every round played, then the next round as the participants hold it after a pairing.
std::vector<CRoundAudit> AuditTournament(const CVantor& tournament);
