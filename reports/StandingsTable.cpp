#include "reports/StandingsTable.h"

#include "reports/PointsText.h"
#include "tournament/ReservedRecords.h"
#include "tournament/RoundOutcome.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>

namespace
{
using Participants = std::vector<CParticipant>;

bool HasGame(const CRoundEntry& entry)
{
    return entry.m_Opponent != PlaceholderRecord;
}

// The last round (0 for none) that was, for the participant, one of these kinds of round.
template <typename Kinds> int LastRound(const CParticipant& participant, Kinds isOfKind)
{
    for (auto round =
             static_cast<int>(std::max(participant.m_History.size(), participant.m_Notes.size()));
         round > 0; --round)
        if (isOfKind(RoundOutcome(participant, round).m_Kind))
            return round;
    return 0;
}

// The last round with a board of his: a game, a bye or a forfeit.
int LastRoundWithBoard(const CParticipant& participant)
{
    return LastRound(participant, [](ERoundKind kind) { return kind != ERoundKind::NoGame; });
}

// The last round in which the participant came: a game, a forfeit won or the pairing's bye.
int LastRoundCome(const CParticipant& participant)
{
    return LastRound(participant, [](ERoundKind kind) { return !IsVoluntarilyUnplayed(kind); });
}

int HighestRound(const Participants& participants)
{
    int highest = 0;
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
        highest = std::max(highest, LastRoundWithBoard(participants[index]));
    return highest;
}

// The score an opponent is credited with: the rounds he chose not to play after the last he
// came to (absent, a requested bye, a forfeit lost) count as draws, one half point each.
std::vector<std::int32_t> AdjustedScores(const Participants& participants, int rounds)
{
    std::vector<std::int32_t> adjusted(participants.size(), 0);
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
    {
        const int last = LastRoundCome(participants[index]);
        adjusted[index] = ScoreBefore(participants[index], last + 1) + rounds - last;
    }
    return adjusted;
}

// Every round adds one contribution to the Buchholz: the opponent's adjusted score for a game,
// the participant's own points for any round without one (a bye, a forfeit, no game). The cut
// drops a round he chose not to play before any other, else the lowest contribution.
CStandingsRow RowOf(const Participants& participants, const std::vector<std::int32_t>& adjusted,
                    int index, int rounds)
{
    const CParticipant& participant = participants[static_cast<std::size_t>(index)];
    CStandingsRow row;
    row.m_Participant = index;
    row.m_Points = Score(participant);
    std::int32_t lowest = std::numeric_limits<std::int32_t>::max();
    bool missedRound = false;
    for (int round = 1; round <= rounds; ++round)
    {
        const CRoundEntry entry = EntryOfRound(participant, round);
        const bool played = entry.m_Opponent >= FirstParticipant;
        const std::int32_t contribution =
            played ? adjusted[static_cast<std::size_t>(entry.m_Opponent)] : row.m_Points;
        row.m_Buchholz += contribution;
        if (HasGame(entry))
            row.m_SonnebornBerger += contribution * entry.m_Points;
        row.m_Games += played ? 1 : 0;
        missedRound = missedRound || IsVoluntarilyUnplayed(RoundOutcome(participant, round).m_Kind);
        lowest = std::min(lowest, contribution);
    }
    const std::int32_t cut = rounds == 0 ? 0 : (missedRound ? row.m_Points : lowest);
    row.m_BuchholzCut1 = row.m_Buchholz - cut;
    return row;
}

auto FiguresOf(const CStandingsRow& row)
{
    return std::tie(row.m_Points, row.m_BuchholzCut1, row.m_Buchholz, row.m_SonnebornBerger);
}

// Better figures first; rows equal in all of them by rating, then by name.
void SortRows(std::vector<CStandingsRow>& rows, const Participants& participants)
{
    std::sort(rows.begin(), rows.end(),
              [&](const CStandingsRow& a, const CStandingsRow& b)
              {
                  if (FiguresOf(a) != FiguresOf(b))
                      return FiguresOf(a) > FiguresOf(b);
                  const CParticipant& first =
                      participants[static_cast<std::size_t>(a.m_Participant)];
                  const CParticipant& second =
                      participants[static_cast<std::size_t>(b.m_Participant)];
                  // The ratings swapped: the higher one first, the names from A to Z.
                  return std::tie(second.m_Elo, first.m_Name, a.m_Participant) <
                         std::tie(first.m_Elo, second.m_Name, b.m_Participant);
              });
}

// Rows equal in all figures share the place of the first of them; the next row's place counts
// every row above it.
void NumberPlaces(CStandingsTable& table)
{
    for (std::size_t position = 0; position < table.m_Rows.size(); ++position)
    {
        CStandingsRow& row = table.m_Rows[position];
        const bool shares = position > 0 && FiguresOf(row) == FiguresOf(table.m_Rows[position - 1]);
        row.m_Place = shares ? table.m_Rows[position - 1].m_Place : static_cast<int>(position) + 1;
    }
}

// Whether the participant's game of round names an opponent whose own record of that round
// holds another game, or none: a second game of the opponent in the round replaced it on his
// side, or games without a Round tag fell into different rounds of the two. It counts for this
// participant only.
bool IsOneSided(const Participants& participants, int index, const CRoundOutcome& outcome,
                int round)
{
    return outcome.m_Opponent != index &&
           EntryOfRound(participants[static_cast<std::size_t>(outcome.m_Opponent)], round)
                   .m_Opponent != index;
}

// "12w1" a game against start number 12 ("12b0?" one that only this participant's record holds),
// "12+" a forfeit won against him, "12-" a forfeit lost (or both absent), "bye1" a bye, "-" no
// game.
std::string RoundCell(const Participants& participants, const CStandingsTable& table, int index,
                      int round)
{
    static constexpr std::array<const char*, 3> Results{"0", "½", "1"};
    const CRoundOutcome outcome =
        RoundOutcome(participants[static_cast<std::size_t>(index)], round);
    const std::string result = Results[static_cast<std::size_t>(outcome.m_Points)];
    const auto number = [&]
    {
        const int numbered = table.m_StartNumberOf[static_cast<std::size_t>(outcome.m_Opponent)];
        return numbered == 0 ? std::string() : std::to_string(numbered);
    };
    switch (outcome.m_Kind)
    {
    case ERoundKind::NoGame:
        return "-";
    case ERoundKind::PairingBye:
    case ERoundKind::RequestedBye:
        return "bye" + result;
    case ERoundKind::Played:
        return number() + (outcome.m_White ? "w" : "b") + result +
               (IsOneSided(participants, index, outcome, round) ? "?" : "");
    case ERoundKind::ForfeitWin:
        return number() + "+";
    case ERoundKind::ForfeitLoss:
    case ERoundKind::DoubleForfeit:
        return number() + "-";
    }
    return "-";
}
} // namespace

CStandingsTable BuildStandingsTable(const CVantor& tournament)
{
    const Participants& participants = tournament.m_Participants;
    CStandingsTable table;
    table.m_Rounds = HighestRound(participants);
    const std::vector<std::int32_t> adjusted = AdjustedScores(participants, table.m_Rounds);
    for (int index = FirstParticipant; index < static_cast<int>(participants.size()); ++index)
        table.m_Rows.push_back(RowOf(participants, adjusted, index, table.m_Rounds));
    SortRows(table.m_Rows, participants);
    NumberPlaces(table);
    table.m_StartNumberOf = StartNumbers(tournament);
    return table;
}

std::vector<std::string> StandingsHeader(int rounds)
{
    std::vector<std::string> header{"Place", "No.", "Name", "Rating", "Points",
                                    "BH-C1", "BH",  "SB",   "Games"};
    for (int round = 1; round <= rounds; ++round)
        header.emplace_back("R").append(std::to_string(round));
    return header;
}

std::vector<std::string> StandingsCells(const CVantor& tournament, const CStandingsTable& table,
                                        const CStandingsRow& row)
{
    const auto index = static_cast<std::size_t>(row.m_Participant);
    const CParticipant& participant = tournament.m_Participants[index];
    std::vector<std::string> cells{std::to_string(row.m_Place),
                                   std::to_string(table.m_StartNumberOf[index]),
                                   participant.m_Name,
                                   std::to_string(participant.m_Elo),
                                   HalfPointsText(row.m_Points),
                                   HalfPointsText(row.m_BuchholzCut1),
                                   HalfPointsText(row.m_Buchholz),
                                   QuartersText(row.m_SonnebornBerger),
                                   std::to_string(row.m_Games)};
    for (int round = 1; round <= table.m_Rounds; ++round)
        cells.push_back(RoundCell(tournament.m_Participants, table, row.m_Participant, round));
    return cells;
}
