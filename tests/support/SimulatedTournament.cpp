#include "support/SimulatedTournament.h"

#include "output/WriteRound.h"
#include "pairing/CostTerms.h"
#include "tournament/ReservedRecords.h"

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{
CParticipant& Record(CVantor& tournament, int index)
{
    return tournament.m_Participants[static_cast<std::size_t>(index)];
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

// How far down the order a participant looks for an opponent.
constexpr std::size_t LookAhead = 40;

// The colour a participant asks for and how strongly, judged as a director would from the games
// against participants: 3 to avoid a third colour in a row or a difference beyond 2, 2 to even
// out a difference of 1, 1 to alternate, 0 before the first game.
struct CColourWish
{
    bool m_White = true;
    int m_Strength = 0;
};

CColourWish WishOf(const CParticipant& participant)
{
    int balance = 0;
    std::vector<bool> colours;
    for (const CRoundEntry& entry : participant.m_History)
        if (entry.m_Opponent >= FirstParticipant)
        {
            balance += entry.m_White ? 1 : -1;
            colours.push_back(entry.m_White);
        }
    if (colours.empty())
        return {};
    const bool last = colours.back();
    if (balance >= 2 || balance <= -2)
        return {balance < 0, 3};
    if (colours.size() >= 2 && colours[colours.size() - 2] == last)
        return {!last, 3};
    if (balance != 0)
        return {balance < 0, 2};
    return {!last, 1};
}

bool Compatible(const CColourWish& first, const CColourWish& second)
{
    return first.m_Strength < 3 || second.m_Strength < 3 || first.m_White != second.m_White;
}

// Whether the better placed of two opponents plays White: the stronger wish is granted; at equal
// strength both are when they differ, and the better placed member's otherwise.
bool FirstPlaysWhite(const CColourWish& first, const CColourWish& second)
{
    if (first.m_Strength != second.m_Strength)
        return first.m_Strength > second.m_Strength ? first.m_White : !second.m_White;
    return first.m_White;
}

struct CEntrant
{
    int m_Index = 0;
    int m_Score = 0;
    int m_Elo = 0;
    bool m_HadBye = false;
    CColourWish m_Wish;
};

// The present participants, in the order of score and rating.
std::vector<CEntrant> EntrantsInOrder(const CVantor& tournament)
{
    std::vector<CEntrant> entrants;
    const auto& participants = tournament.m_Participants;
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
    {
        const CParticipant& participant = participants[index];
        if (participant.m_Absent)
            continue;
        CEntrant entrant{static_cast<int>(index), Score(participant), participant.m_Elo, false,
                         WishOf(participant)};
        for (const CRoundEntry& entry : participant.m_History)
            entrant.m_HadBye = entrant.m_HadBye || entry.m_Opponent == ByeRecord;
        entrants.push_back(entrant);
    }
    std::stable_sort(entrants.begin(), entrants.end(),
                     [](const CEntrant& a, const CEntrant& b) {
                         return a.m_Score != b.m_Score ? a.m_Score > b.m_Score : a.m_Elo > b.m_Elo;
                     });
    return entrants;
}

// How good an opponent is, lower being better: one not met before, then one with the same score,
// then one whose colour wish agrees.
int OpponentRank(const CVantor& tournament, const CEntrant& player, const CEntrant& opponent)
{
    const auto record = static_cast<std::size_t>(player.m_Index);
    if (HasPlayed(tournament.m_CostTerms, tournament.m_CostTerms.m_Records[record], record,
                  opponent.m_Index))
        return 4;
    return (Compatible(player.m_Wish, opponent.m_Wish) ? 0 : 1) +
           (player.m_Score == opponent.m_Score ? 0 : 2);
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
    // Whether two have met is the pairing cost's answer, worked out from the histories as they
    // stand.
    PrepareCostTerms(tournament);
    for (CParticipant& participant : tournament.m_Participants)
        participant.m_Pairing = CPairingState{};
    std::vector<CEntrant> entrants = EntrantsInOrder(tournament);
    if (entrants.size() % 2 != 0)
    {
        auto receiver = std::find_if(entrants.rbegin(), entrants.rend(),
                                     [](const CEntrant& entrant) { return !entrant.m_HadBye; });
        const auto bye = receiver == entrants.rend() ? entrants.end() - 1 : receiver.base() - 1;
        tournament.m_Participants[static_cast<std::size_t>(bye->m_Index)].m_Pairing = {ByeRecord,
                                                                                       true, 0.0};
        entrants.erase(bye);
    }
    std::vector<bool> paired(entrants.size(), false);
    for (std::size_t k = 0; k < entrants.size(); ++k)
    {
        if (paired[k])
            continue;
        // Beyond the look-ahead only when nobody in it is free.
        std::size_t best = entrants.size();
        int bestRank = 0;
        for (std::size_t look = k + 1; look < entrants.size(); ++look)
        {
            if (look > k + LookAhead && best != entrants.size())
                break;
            if (paired[look])
                continue;
            const int rank = OpponentRank(tournament, entrants[k], entrants[look]);
            if (best == entrants.size() || rank < bestRank)
            {
                best = look;
                bestRank = rank;
            }
        }
        paired[k] = true;
        paired[best] = true;
        const CEntrant& first = entrants[k];
        const CEntrant& second = entrants[best];
        if (FirstPlaysWhite(first.m_Wish, second.m_Wish))
            SetPair(tournament, first.m_Index, second.m_Index);
        else
            SetPair(tournament, second.m_Index, first.m_Index);
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
            const char* result = ResultText(entry.m_Points);
            WriteGameTags(stream, player, participants[static_cast<std::size_t>(entry.m_Opponent)],
                          std::to_string(round + 1) + "." + std::to_string(board), result);
            stream << result << "\n\n";
        }
    }
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
        if (participants[index].m_Absent)
            stream << "%remove \"" << participants[index].m_Name << "\"\n";
}

// By hand: std::shuffle may deal differently in another standard library.
void DealRatings(CVantor& tournament, std::uint32_t seed)
{
    std::mt19937 deal(seed);
    auto& participants = tournament.m_Participants;
    for (std::size_t k = participants.size() - 1; k > FirstParticipant; --k)
    {
        const std::size_t other = FirstParticipant + deal() % (k - FirstParticipant + 1);
        std::swap(participants[k].m_Elo, participants[other].m_Elo);
    }
}

void BuildFullHistory(CVantor& tournament, int players, int rounds, std::uint32_t seed)
{
    StartField(tournament, players);
    DealRatings(tournament, seed);
    for (int round = 1; round <= rounds; ++round)
    {
        PairQuickly(tournament);
        PlayPairedRound(tournament, round);
    }
}
