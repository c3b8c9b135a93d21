#include "reports/RoundAudit.h"

#include "tournament/ReservedRecords.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace
{
const CParticipant& Record(const CVantor& tournament, int index)
{
    return tournament.m_Participants[static_cast<std::size_t>(index)];
}

// Either history may hold the meeting: the other side's game can be missing from the input.
std::vector<int> MeetingsBefore(const CVantor& tournament, int a, int b, int round)
{
    std::vector<int> rounds;
    for (int earlier = 1; earlier < round; ++earlier)
        if (EntryOfRound(Record(tournament, a), earlier).m_Opponent == b ||
            EntryOfRound(Record(tournament, b), earlier).m_Opponent == a)
            rounds.push_back(earlier);
    return rounds;
}

// The rounds before in which the participant had the pairing's bye or won by forfeit: either
// keeps him from the pairing's bye.
std::vector<int> ByesBefore(const CParticipant& participant, int round, bool& forfeitWon)
{
    std::vector<int> rounds;
    for (int earlier = 1; earlier < round; ++earlier)
    {
        const ERoundKind kind = RoundOutcome(participant, earlier).m_Kind;
        forfeitWon = forfeitWon || kind == ERoundKind::ForfeitWin;
        if (kind == ERoundKind::PairingBye || kind == ERoundKind::ForfeitWin)
            rounds.push_back(earlier);
    }
    return rounds;
}

class CRoundAuditor
{
public:
    CRoundAuditor(const CVantor& tournament, int round) : m_Tournament(tournament)
    {
        m_Audit.m_Round = round;
    }

    void AuditBoard(const CAuditBoard& board)
    {
        ++m_Audit.m_Counts.m_Boards;
        switch (board.m_Kind)
        {
        case ERoundKind::PairingBye:
            AuditBye(board.m_Board.Receiver());
            break;
        case ERoundKind::RequestedBye:
            ++m_Audit.m_Counts.m_Byes;
            break;
        case ERoundKind::Played:
            AuditGame(board.m_Board);
            break;
        default:
            // Neither played: the pairing is audited, no colour was given.
            ++m_Audit.m_Counts.m_Forfeits;
            if (board.m_Board.m_White >= FirstParticipant &&
                board.m_Board.m_Black >= FirstParticipant)
                AuditPairing(board.m_Board);
            break;
        }
    }

    CRoundAudit Result() { return std::move(m_Audit); }

private:
    int Round() const { return m_Audit.m_Round; }

    void Add(CAuditEvent event)
    {
        ++m_Audit.m_Counts.m_Events[static_cast<std::size_t>(event.m_Kind)];
        m_Audit.m_Events.push_back(std::move(event));
    }

    void AuditBye(int receiver)
    {
        ++m_Audit.m_Counts.m_Byes;
        bool forfeitWon = false;
        std::vector<int> earlier = ByesBefore(Record(m_Tournament, receiver), Round(), forfeitWon);
        if (!earlier.empty())
            Add({EAuditEvent::SecondBye, receiver, 0, {forfeitWon ? 1 : 0, 0}, std::move(earlier)});
    }

    void AuditPairing(const CBoard& board)
    {
        std::vector<int> met = MeetingsBefore(m_Tournament, board.m_White, board.m_Black, Round());
        if (!met.empty())
            Add({EAuditEvent::Rematch, board.m_White, board.m_Black, {}, std::move(met)});
        const int white = ScoreBefore(Record(m_Tournament, board.m_White), Round());
        const int black = ScoreBefore(Record(m_Tournament, board.m_Black), Round());
        if (white != black)
        {
            Add({EAuditEvent::DifferentScores, board.m_White, board.m_Black, {white, black}, {}});
            m_Audit.m_Counts.m_ScoreDifferences += std::abs(white - black);
        }
    }

    // A game of a round played that only one side's record holds is said to be one-sided: the
    // other side has another game of that round, or none, and no colour from this one.
    void AuditGame(const CBoard& board)
    {
        const bool whiteHolds =
            EntryOfRound(Record(m_Tournament, board.m_White), Round()).m_Opponent == board.m_Black;
        const bool blackHolds =
            EntryOfRound(Record(m_Tournament, board.m_Black), Round()).m_Opponent == board.m_White;
        if (whiteHolds != blackHolds)
            Add({EAuditEvent::OneSidedGame,
                 board.m_White,
                 board.m_Black,
                 {whiteHolds ? 1 : 0, 0},
                 {}});
        AuditPairing(board);
        if (whiteHolds || !blackHolds)
            AuditColours(board.m_White, true);
        if (blackHolds || !whiteHolds)
            AuditColours(board.m_Black, false);
    }

    // Colours count games against participants only, as the pairing cost counts them: byes and
    // rounds without a game neither break nor extend a run of one colour.
    void AuditColours(int index, bool white)
    {
        const CParticipant& participant = Record(m_Tournament, index);
        std::array<int, 2> games{}; // White, Black
        std::vector<int> sameColourRounds;
        for (int earlier = 1; earlier < Round(); ++earlier)
        {
            const CRoundEntry entry = EntryOfRound(participant, earlier);
            if (entry.m_Opponent < FirstParticipant)
                continue;
            ++games[entry.m_White ? 0 : 1];
            if (entry.m_White != white)
                sameColourRounds.clear();
            else
                sameColourRounds.push_back(earlier);
        }
        ++games[white ? 0 : 1];
        if (std::abs(games[0] - games[1]) > 2)
            Add({EAuditEvent::ColourImbalance, index, 0, games, {}});
        if (sameColourRounds.size() >= 2)
        {
            std::vector<int> rounds(sameColourRounds.end() - 2, sameColourRounds.end());
            rounds.push_back(Round());
            Add({EAuditEvent::ThirdColour, index, 0, {white ? 1 : 0, 0}, std::move(rounds)});
        }
    }

    const CVantor& m_Tournament;
    CRoundAudit m_Audit;
};

} // namespace

CAuditCounts& CAuditCounts::operator+=(const CAuditCounts& other)
{
    m_Boards += other.m_Boards;
    m_Byes += other.m_Byes;
    m_Forfeits += other.m_Forfeits;
    for (std::size_t kind = 0; kind < AuditEventKinds; ++kind)
        m_Events[kind] += other.m_Events[kind];
    m_ScoreDifferences += other.m_ScoreDifferences;
    return *this;
}

namespace
{
// A game or a forfeit between two is one board however many of their two records name it; a
// record whose opponent's names someone else still is a board, from the side that recorded it.
bool IsSeenFromOtherSide(const CVantor& tournament, int index, const CRoundOutcome& outcome,
                         int round)
{
    const int opponent = outcome.m_Opponent;
    if (opponent < FirstParticipant)
        return false;
    const CRoundOutcome other = RoundOutcome(Record(tournament, opponent), round);
    if (other.m_Opponent != index)
        return false;
    if (outcome.m_Kind == ERoundKind::ForfeitLoss)
        return other.m_Kind == ERoundKind::ForfeitWin;
    return other.m_Kind == outcome.m_Kind && opponent < index;
}

CAuditBoard BoardOf(int index, const CRoundOutcome& outcome)
{
    const int opponent =
        outcome.m_Kind == ERoundKind::PairingBye || outcome.m_Kind == ERoundKind::RequestedBye
            ? ByeRecord
            : outcome.m_Opponent;
    const CBoard board = outcome.m_White ? CBoard{index, opponent} : CBoard{opponent, index};
    const bool forfeitLost = outcome.m_Kind == ERoundKind::ForfeitLoss;
    return {board, forfeitLost ? ERoundKind::ForfeitWin : outcome.m_Kind};
}
} // namespace

std::vector<CAuditBoard> PlayedBoards(const CVantor& tournament, int round)
{
    std::vector<CAuditBoard> boards;
    const int records = static_cast<int>(tournament.m_Participants.size());
    for (int index = FirstParticipant; index < records; ++index)
    {
        const CRoundOutcome outcome = RoundOutcome(Record(tournament, index), round);
        if (outcome.m_Kind != ERoundKind::NoGame && outcome.m_Opponent != index &&
            !IsSeenFromOtherSide(tournament, index, outcome, round))
            boards.push_back(BoardOf(index, outcome));
    }
    return boards;
}

CRoundAudit AuditRound(const CVantor& tournament, int round, const std::vector<CAuditBoard>& boards)
{
    CRoundAuditor auditor(tournament, round);
    for (const CAuditBoard& board : boards)
        auditor.AuditBoard(board);
    return auditor.Result();
}

std::vector<CRoundAudit> AuditTournament(const CVantor& tournament)
{
    const auto played = static_cast<int>(tournament.RoundsPlayed());
    std::vector<CRoundAudit> audits;
    for (int round = 1; round <= played; ++round)
        audits.push_back(AuditRound(tournament, round, PlayedBoards(tournament, round)));
    if (IsOver(tournament.m_Event, played))
        return audits;
    std::vector<CAuditBoard> next;
    for (const CBoard& board : PairedBoards(tournament))
        next.push_back({board, board.IsBye() ? ERoundKind::PairingBye : ERoundKind::Played});
    for (const CRequestedBye& bye : tournament.m_RequestedByes)
        next.push_back({{bye.m_Participant, ByeRecord}, ERoundKind::RequestedBye});
    audits.push_back(AuditRound(tournament, played + 1, next));
    audits.back().m_Played = false;
    return audits;
}
