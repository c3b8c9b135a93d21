#include "pairing/PrepareStandings.h"

#include "pairing/CostTerms.h"
#include "pairing/ExchangeOpponents.h"
#include "pairing/PairingCost.h"
#include "pairing/Random.h"
#include "tournament/ReservedRecords.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <numeric>

namespace
{
using Participants = std::vector<CParticipant>;

constexpr std::uint32_t SmallestWindow = 20;

// The standings order: more points first, then the higher average opponents' score, then the
// higher rating, then the lower index. The last key makes the order total, so that every
// standard library's sort puts equal participants (an unrated field before its first round) in
// the same places and the pairing comes out the same everywhere.
class CCompareStanding
{
public:
    explicit CCompareStanding(const std::vector<CParticipant>& participants)
        : m_Participants(participants)
    {
    }

    bool operator()(int a, int b) const
    {
        const CParticipant& first = m_Participants[static_cast<std::size_t>(a)];
        const CParticipant& second = m_Participants[static_cast<std::size_t>(b)];
        if (first.m_Points != second.m_Points)
            return first.m_Points > second.m_Points;
        if (first.m_OppAverage != second.m_OppAverage)
            return first.m_OppAverage > second.m_OppAverage;
        if (first.m_Elo != second.m_Elo)
            return first.m_Elo > second.m_Elo;
        return a < b;
    }

private:
    const std::vector<CParticipant>& m_Participants;
};

// Scores count byes; colours count only games against real participants.
void ComputeScoresAndColours(Participants& participants)
{
    for (CParticipant& participant : participants)
    {
        participant.m_Points = Score(participant);
        participant.m_WhiteGames = 0;
        participant.m_BlackGames = 0;
        participant.m_LastColour = 2;
        participant.m_PrevColour = 3;
        for (const CRoundEntry& entry : participant.m_History)
        {
            if (entry.m_Opponent < FirstParticipant)
                continue;
            ++(entry.m_White ? participant.m_WhiteGames : participant.m_BlackGames);
            participant.m_PrevColour = participant.m_LastColour;
            participant.m_LastColour = entry.m_White ? 1 : 0;
        }
    }
    participants[PlaceholderRecord].m_Points = 0;
    participants[ByeRecord].m_Points = 0;
}

void ComputeOpponentAverages(Participants& participants)
{
    for (CParticipant& participant : participants)
    {
        int games = 0;
        int sum = 0;
        for (const CRoundEntry& entry : participant.m_History)
        {
            if (entry.m_Opponent == PlaceholderRecord)
                continue;
            ++games;
            sum += participants[static_cast<std::size_t>(entry.m_Opponent)].m_Points;
        }
        participant.m_OppAverage =
            games == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(2 * games);
    }
}

// +1 when the participant met an opponent with fewer points `rounds` rounds ago (a float down),
// -1 for one with more points, 0 otherwise, by their scores before that round. The placeholder's
// and the bye record's score is 0, so a round without a game counts as a float down for anybody
// who had points.
int FloatOf(const Participants& participants, const CParticipant& participant, std::size_t rounds)
{
    const std::size_t entry = participant.m_History.size() - rounds;
    const int round = static_cast<int>(entry) + 1;
    const int opponent = participant.m_History[entry].m_Opponent;
    const int own = ScoreBefore(participant, round);
    const int other = opponent < FirstParticipant
                          ? 0
                          : ScoreBefore(participants[static_cast<std::size_t>(opponent)], round);
    return own > other ? 1 : (own < other ? -1 : 0);
}

void ComputeFloats(Participants& participants, std::size_t rounds)
{
    for (CParticipant& participant : participants)
    {
        participant.m_LastFloat = rounds >= 2 ? FloatOf(participants, participant, 1) : 0;
        participant.m_PrevFloat = rounds >= 3 ? FloatOf(participants, participant, 2) : 0;
    }
}

// The window grows with the rounds played but never beyond the present participants minus two;
// with fewer than two present the unsigned cap wraps and does not apply.
std::uint32_t WindowSize(std::size_t rounds, std::size_t records, std::size_t absentRecords)
{
    const std::uint32_t grown = 4u * static_cast<std::uint32_t>(rounds) / 3u + 2u;
    const std::uint32_t window = std::max(SmallestWindow, grown);
    const auto cap = static_cast<std::uint32_t>(records - absentRecords - 3);
    return std::min(window, cap);
}

// Places, score counts and the order of the present participants, which the candidate lists
// are ranges of; presentBefore[p] counts the present participants at positions 2 to p-1.
void PlaceParticipants(CVantor& tournament, std::size_t scores, std::vector<int>& presentBefore)
{
    Participants& participants = tournament.m_Participants;
    const std::size_t records = participants.size();
    const auto remotePlace = static_cast<std::int32_t>(2 * records);
    tournament.m_ScoreCount.assign(scores, 0);
    tournament.m_PresentOrder.clear();
    presentBefore.assign(records + 1, 0);
    for (std::size_t position = FirstParticipant; position < records; ++position)
    {
        presentBefore[position] = static_cast<int>(tournament.m_PresentOrder.size());
        CParticipant& participant =
            participants[static_cast<std::size_t>(tournament.m_Order[position])];
        if (participant.m_Absent)
        {
            participant.m_Place = remotePlace;
            continue;
        }
        participant.m_Place = static_cast<std::int32_t>(position);
        ++tournament.m_ScoreCount[static_cast<std::size_t>(participant.m_Points)];
        tournament.m_PresentOrder.push_back(tournament.m_Order[position]);
    }
    presentBefore[records] = static_cast<int>(tournament.m_PresentOrder.size());
    participants[ByeRecord].m_Place = remotePlace;
}

// The candidates of the participant at a position: the window's nearest present participants,
// alternately below and above (an absent position uses up its turn), then everybody further away
// whose score is within half a point, those below first. The order sorts by score first, so the
// participants within reach of a score are a run of positions.
CCandidates CandidatesAt(CVantor& tournament, std::size_t position,
                         const std::vector<int>& presentBefore, bool listed)
{
    const std::vector<int>& order = tournament.m_Order;
    const auto at = [&](std::size_t p) -> const CParticipant&
    { return tournament.m_Participants[static_cast<std::size_t>(order[p])]; };
    const std::size_t records = order.size();
    const std::size_t window = tournament.m_Window;

    CCandidates candidates;
    candidates.m_NearestAsBits = !listed;
    candidates.m_NearestAt = listed
                                 ? static_cast<std::int32_t>(tournament.m_NearestCandidates.size())
                                 : presentBefore[position];
    std::size_t nearest = 0;
    std::size_t below = position + 1;
    std::size_t above = position - 1;
    const auto take = [&](std::size_t p, bool isBelow)
    {
        if (at(p).m_Absent)
            return;
        if (listed)
            tournament.m_NearestCandidates.push_back(order[p]);
        else if (isBelow)
            candidates.m_NearestBelow |= std::uint64_t{1} << nearest;
        ++nearest;
    };
    while (nearest < window && (below < records || above >= FirstParticipant))
    {
        if (below < records)
            take(below++, true);
        if (nearest == window)
            break;
        if (above >= FirstParticipant)
            take(above--, false);
    }
    candidates.m_NearestCount = static_cast<std::uint16_t>(nearest);

    const int points = at(position).m_Points;
    const auto firstWhere = [&](auto outOfReach)
    {
        const auto inReach = [&](int index)
        { return !outOfReach(tournament.m_Participants[static_cast<std::size_t>(index)]); };
        return static_cast<std::size_t>(
            std::partition_point(order.begin() + FirstParticipant, order.end(), inReach) -
            order.begin());
    };
    const std::size_t belowEnd = std::max(
        below, firstWhere([points](const CParticipant& p) { return p.m_Points < points - 1; }));
    candidates.m_BelowFirst = presentBefore[below];
    candidates.m_BelowCount =
        static_cast<std::uint16_t>(presentBefore[belowEnd] - presentBefore[below]);

    const std::size_t aboveEnd =
        std::min(above + 1,
                 firstWhere([points](const CParticipant& p) { return p.m_Points <= points + 1; }));
    candidates.m_AboveFirst = presentBefore[above + 1] - 1;
    const int aboveCount = presentBefore[above + 1] - presentBefore[aboveEnd];
    candidates.m_Length = static_cast<std::uint16_t>(candidates.m_NearestCount +
                                                     candidates.m_BelowCount + aboveCount);
    return candidates;
}

// The nearest are listed one by one where the list is small enough to stay in the second-level
// cache, where reading it is quicker than counting bits, or where the window is too large for
// bits; otherwise every reading of the list would be a cache miss, and bits are counted instead.
void CollectCandidates(CVantor& tournament, const std::vector<int>& presentBefore)
{
    constexpr std::size_t LargestListedBytes = 512 * 1024;
    const std::size_t listBytes =
        tournament.m_Participants.size() * tournament.m_Window * sizeof(std::int32_t);
    const bool listed = tournament.m_Window > NearestInBits || listBytes <= LargestListedBytes;
    assert(tournament.m_Participants.size() <= std::numeric_limits<std::uint16_t>::max());
    tournament.m_NearestCandidates.clear();
    for (std::size_t position = FirstParticipant; position < tournament.m_Order.size(); ++position)
    {
        CParticipant& participant =
            tournament.m_Participants[static_cast<std::size_t>(tournament.m_Order[position])];
        participant.m_Candidates = participant.m_Absent
                                       ? CCandidates{}
                                       : CandidatesAt(tournament, position, presentBefore, listed);
    }
}

// Consecutive present participants in index order are paired (the last one of an odd number
// with the bye record), then shuffled by random exchanges, then costed. The draws consumed here
// are part of the sequence the search continues, so their number and order are fixed: one per
// pair, one per index and two more for each exchange made.
void DrawStartingPairing(CVantor& tournament)
{
    Participants& participants = tournament.m_Participants;
    const int records = static_cast<int>(participants.size());
    const auto record = [&](int index) -> CParticipant&
    { return participants[static_cast<std::size_t>(index)]; };

    // Absent participants between two paired ones are skipped below; they keep the empty
    // state a fresh tournament starts with.
    for (CParticipant& participant : participants)
        participant.m_Pairing = CPairingState{};
    for (int i = FirstParticipant; i < records;)
    {
        if (record(i).m_Absent)
        {
            record(i).m_Pairing = CPairingState{PlaceholderRecord, false, 0.0};
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < records && record(j).m_Absent)
            ++j;
        const int opponent = j == records ? ByeRecord : j;
        const bool white = DrawRandom() % 2 == 1;
        record(i).m_Pairing.m_Opponent = opponent;
        record(i).m_Pairing.m_White = white;
        record(opponent).m_Pairing.m_Opponent = i;
        record(opponent).m_Pairing.m_White = !white;
        i = j + 1;
    }

    for (int i = FirstParticipant; i < records; ++i)
    {
        const auto draw = static_cast<std::uint32_t>(DrawRandom());
        const int j = static_cast<int>(draw % static_cast<std::uint32_t>(records - 2)) + 2;
        if (j == i || record(i).m_Absent || record(j).m_Absent ||
            record(i).m_Pairing.m_Opponent == j || record(j).m_Pairing.m_Opponent == i)
            continue;
        const int r1 = DrawRandom();
        const int r2 = DrawRandom();
        ExchangeOpponents(tournament, i, j, r2 % 2 == 0, r1 % 2 == 0, nullptr);
    }

    for (int i = FirstParticipant; i < records; ++i)
        if (!record(i).m_Absent)
            EvaluateParticipant(tournament, record(i));
}
} // namespace

void PrepareStandings(CVantor& tournament)
{
    Participants& participants = tournament.m_Participants;
    const std::size_t records = participants.size();
    const std::size_t rounds = tournament.RoundsPlayed();
    const auto absentRecords =
        static_cast<std::size_t>(std::count_if(participants.begin(), participants.end(),
                                               [](const CParticipant& p) { return p.m_Absent; }));

    ComputeScoresAndColours(participants);
    ComputeOpponentAverages(participants);
    for (CParticipant& participant : participants)
        participant.m_History.resize(rounds, CRoundEntry{});
    ComputeFloats(participants, rounds);

    std::vector<int>& order = tournament.m_Order;
    order.resize(records);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin() + FirstParticipant, order.end(), CCompareStanding(participants));

    tournament.m_Window = WindowSize(rounds, records, absentRecords);
    std::vector<int> presentBefore;
    PlaceParticipants(tournament, 2 * rounds + 1, presentBefore);
    CollectCandidates(tournament, presentBefore);
    PrepareCostTerms(tournament);
    DrawStartingPairing(tournament);
}
