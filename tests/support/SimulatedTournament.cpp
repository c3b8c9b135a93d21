#include "support/SimulatedTournament.h"

#include "output/WriteTag.h"
#include "pairing/CostTerms.h"
#include "tournament/ReservedRecords.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace
{
CParticipant& Record(CVantor& tournament, int index)
{
    return tournament.m_Participants[static_cast<std::size_t>(index)];
}

int WhiteBalance(const CParticipant& participant)
{
    int balance = 0;
    for (const CRoundEntry& entry : participant.m_History)
        if (entry.m_Opponent >= FirstParticipant)
            balance += entry.m_White ? 1 : -1;
    return balance;
}

void SetPair(CVantor& tournament, int white, int black)
{
    Record(tournament, white).m_Pairing = {black, true, 0.0};
    Record(tournament, black).m_Pairing = {white, false, 0.0};
}

bool MissesRound(int index, int round)
{
    return (index * 7 + round * 13) % 53 == 0;
}
} // namespace

void StartField(CVantor& tournament, int participants)
{
    tournament.ResetToReservedRecords();
    for (int k = 0; k < participants; ++k)
    {
        const int index = tournament.GetIndex("Player " + std::to_string(k + 1));
        Record(tournament, index).m_Elo = 2700 - k * 1500 / participants + (k * 7919) % 97;
    }
}

int FixedResult(const CVantor& tournament, int white, int black, int round)
{
    const auto& participants = tournament.m_Participants;
    const int edge = participants[static_cast<std::size_t>(white)].m_Elo -
                     participants[static_cast<std::size_t>(black)].m_Elo +
                     (white * 31 + black * 17 + round * 7) % 401 - 200;
    if (edge > 60)
        return 2;
    return edge < -60 ? 0 : 1;
}

void PlayPairedRound(CVantor& tournament, int round)
{
    const int records = static_cast<int>(tournament.m_Participants.size());
    for (int index = FirstParticipant; index < records; ++index)
    {
        const CParticipant& participant = Record(tournament, index);
        const int opponent = participant.m_Pairing.m_Opponent;
        if (participant.m_Absent || opponent == PlaceholderRecord)
            continue;
        if (opponent == ByeRecord)
        {
            Record(tournament, index).SetResult(ByeRecord, round, participant.m_Pairing.m_White, 2);
            continue;
        }
        if (!participant.m_Pairing.m_White)
            continue; // recorded from White's side
        const int points = FixedResult(tournament, index, opponent, round);
        Record(tournament, index).SetResult(opponent, round, true, points);
        Record(tournament, opponent).SetResult(index, round, false, 2 - points);
    }
}

void PairQuickly(CVantor& tournament)
{
    const int records = static_cast<int>(tournament.m_Participants.size());
    std::vector<int> field;
    for (int index = FirstParticipant; index < records; ++index)
    {
        Record(tournament, index).m_Pairing = CPairingState{};
        if (!Record(tournament, index).m_Absent)
            field.push_back(index);
    }
    std::vector<int> scores(static_cast<std::size_t>(records));
    for (const int index : field)
        scores[static_cast<std::size_t>(index)] = Score(Record(tournament, index));
    std::stable_sort(field.begin(), field.end(),
                     [&](int a, int b)
                     {
                         const auto sa = scores[static_cast<std::size_t>(a)];
                         const auto sb = scores[static_cast<std::size_t>(b)];
                         if (sa != sb)
                             return sa > sb;
                         return Record(tournament, a).m_Elo > Record(tournament, b).m_Elo;
                     });

    // Whether two have met is the pairing cost's answer, worked out from the histories as they
    // stand.
    PrepareCostTerms(tournament);
    const auto havePlayed = [&tournament](int player, int opponent)
    {
        return HasPlayed(tournament.m_CostTerms, Record(tournament, player),
                         static_cast<std::size_t>(player), opponent);
    };
    std::vector<bool> paired(field.size(), false);
    for (std::size_t k = 0; k < field.size(); ++k)
    {
        if (paired[k])
            continue;
        paired[k] = true;
        const int player = field[k];
        std::size_t partner = field.size();
        for (std::size_t look = k + 1; look < field.size() && look < k + 40; ++look)
            if (!paired[look] && (partner == field.size() || !havePlayed(player, field[look])))
            {
                partner = look;
                if (!havePlayed(player, field[look]))
                    break;
            }
        if (partner == field.size())
        {
            Record(tournament, player).m_Pairing = {ByeRecord, true, 0.0};
            continue;
        }
        paired[partner] = true;
        const int other = field[partner];
        if (WhiteBalance(Record(tournament, player)) <= WhiteBalance(Record(tournament, other)))
            SetPair(tournament, player, other);
        else
            SetPair(tournament, other, player);
    }
}

void BuildHistory(CVantor& tournament, int rounds)
{
    const int records = static_cast<int>(tournament.m_Participants.size());
    for (int round = 1; round <= rounds + 1; ++round)
    {
        for (int index = FirstParticipant; index < records; ++index)
            Record(tournament, index).m_Absent = MissesRound(index, round);
        if (round > rounds)
            break;
        PairQuickly(tournament);
        PlayPairedRound(tournament, round);
    }
}

namespace
{
const char* ResultText(int whitePoints)
{
    return whitePoints == 2 ? "1-0" : (whitePoints == 0 ? "0-1" : "1/2-1/2");
}

void WriteGame(std::ostream& stream, const CParticipant& white, const CParticipant& black,
               const std::string& round, const char* result)
{
    WriteTag(stream, "Event", "swiss pairing");
    WriteTag(stream, "Site", "my computer");
    WriteTag(stream, "Date", "?");
    WriteTag(stream, "White", white.m_Name);
    if (white.m_Elo > 0)
        WriteTag(stream, "WhiteElo", std::to_string(white.m_Elo));
    WriteTag(stream, "Black", black.m_Name);
    if (black.m_Elo > 0)
        WriteTag(stream, "BlackElo", std::to_string(black.m_Elo));
    WriteTag(stream, "Round", round);
    WriteTag(stream, "Result", result);
    stream << result << "\n\n";
}
} // namespace

void WriteAsInput(const CVantor& tournament, std::ostream& stream)
{
    const auto& participants = tournament.m_Participants;
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
        stream << "%new \"" << participants[index].m_Name << "\" \"" << participants[index].m_Elo
               << "\"\n";
    const std::size_t rounds = tournament.RoundsPlayed();
    for (std::size_t round = 0; round < rounds; ++round)
    {
        int board = 0;
        for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
        {
            const CParticipant& player = participants[index];
            if (round >= player.m_History.size())
                continue;
            const CRoundEntry& entry = player.m_History[round];
            // A game is written from White's side; a bye from its receiver's.
            const bool writes = entry.m_Opponent == ByeRecord ||
                                (entry.m_Opponent >= FirstParticipant && entry.m_White);
            if (!writes)
                continue;
            ++board;
            WriteGame(stream, player, participants[static_cast<std::size_t>(entry.m_Opponent)],
                      std::to_string(round + 1) + "." + std::to_string(board),
                      ResultText(entry.m_Points));
        }
    }
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
        if (participants[index].m_Absent)
            stream << "%remove \"" << participants[index].m_Name << "\"\n";
}
