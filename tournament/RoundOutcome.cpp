#include "tournament/RoundOutcome.h"

#include "tournament/Participant.h"
#include "tournament/ReservedRecords.h"

CRoundOutcome RoundOutcome(const CParticipant& participant, int round)
{
    const CRoundEntry entry = EntryOfRound(participant, round);
    const CRoundNote note = NoteOfRound(participant, round);
    CRoundOutcome outcome{ERoundKind::NoGame, entry.m_Opponent, entry.m_White, 0, note.m_Board};
    if (entry.m_Opponent >= FirstParticipant)
        outcome.m_Kind = ERoundKind::Played;
    else if (entry.m_Opponent == ByeRecord)
        outcome.m_Kind =
            note.m_Kind == ERoundKind::ForfeitWin || note.m_Kind == ERoundKind::RequestedBye
                ? note.m_Kind
                : ERoundKind::PairingBye;
    else if (note.m_Kind == ERoundKind::ForfeitLoss || note.m_Kind == ERoundKind::DoubleForfeit)
        outcome.m_Kind = note.m_Kind;
    if (outcome.m_Kind != ERoundKind::NoGame)
        outcome.m_Points = entry.m_Points;
    if (outcome.m_Kind >= ERoundKind::ForfeitWin)
    {
        outcome.m_Opponent = note.m_Opponent;
        outcome.m_White = note.m_White;
    }
    return outcome;
}

bool IsVoluntarilyUnplayed(ERoundKind kind)
{
    return kind == ERoundKind::NoGame || kind == ERoundKind::RequestedBye ||
           kind == ERoundKind::ForfeitLoss || kind == ERoundKind::DoubleForfeit;
}
