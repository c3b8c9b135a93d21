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

std::vector<int> ByesBefore(const CParticipant& participant, int round)
{
    std::vector<int> rounds;
    for (int earlier = 1; earlier < round; ++earlier)
        if (EntryOfRound(participant, earlier).m_Opponent == ByeRecord)
            rounds.push_back(earlier);
    return rounds;
}

class CRoundAuditor
{
public:
    CRoundAuditor(const CVantor& tournament, int round) : m_Tournament(tournament)
    {
        m_Audit.m_Round = round;
    }

    void AuditBoard(const CBoard& board)
    {
        ++m_Audit.m_Counts.m_Boards;
        if (board.IsBye())
            AuditBye(board.Receiver());
        else
            AuditGame(board);
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
        std::vector<int> earlier = ByesBefore(Record(m_Tournament, receiver), Round());
        if (!earlier.empty())
            Add({EAuditEvent::SecondBye, receiver, 0, {}, std::move(earlier)});
    }

    void AuditGame(const CBoard& board)
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
        AuditColours(board.m_White, true);
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
    for (std::size_t kind = 0; kind < AuditEventKinds; ++kind)
        m_Events[kind] += other.m_Events[kind];
    m_ScoreDifferences += other.m_ScoreDifferences;
    return *this;
}

// A game is one board however many of its two entries name it; an entry whose opponent's entry
// names someone else still is a board, from the side that recorded it.
std::vector<CBoard> PlayedBoards(const CVantor& tournament, int round)
{
    std::vector<CBoard> boards;
    const int records = static_cast<int>(tournament.m_Participants.size());
    for (int index = FirstParticipant; index < records; ++index)
    {
        const CRoundEntry entry = EntryOfRound(Record(tournament, index), round);
        const int opponent = entry.m_Opponent;
        if (opponent == PlaceholderRecord || opponent == index)
            continue;
        if (opponent == ByeRecord)
        {
            boards.push_back({index, ByeRecord});
            continue;
        }
        const bool mutual = EntryOfRound(Record(tournament, opponent), round).m_Opponent == index;
        if (mutual && opponent < index)
            continue;
        boards.push_back(entry.m_White ? CBoard{index, opponent} : CBoard{opponent, index});
    }
    return boards;
}

CRoundAudit AuditRound(const CVantor& tournament, int round, const std::vector<CBoard>& boards)
{
    CRoundAuditor auditor(tournament, round);
    for (const CBoard& board : boards)
        auditor.AuditBoard(board);
    return auditor.Result();
}

std::vector<CRoundAudit> AuditTournament(const CVantor& tournament)
{
    const auto played = static_cast<int>(tournament.RoundsPlayed());
    std::vector<CRoundAudit> audits;
    for (int round = 1; round <= played; ++round)
        audits.push_back(AuditRound(tournament, round, PlayedBoards(tournament, round)));
    audits.push_back(AuditRound(tournament, played + 1, PairedBoards(tournament)));
    audits.back().m_Played = false;
    return audits;
}
