#include "reports/WriteStandings.h"

#include "pgn/TerminalText.h"
#include "pgn/Utf8.h"
#include "reports/CsvCell.h"
#include "reports/PointsText.h"
#include "reports/StandingsTable.h"
#include "tournament/ReservedRecords.h"
#include "tournament/RoundOutcome.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace
{
using Fields = std::vector<std::string>;

// The one column aligned to the left; every figure and cell is aligned to the right.
constexpr std::size_t NameColumn = 1;

// "12w1" a game against the player placed 12th, "12+" a forfeit won against him, "12-" a forfeit
// lost (or both absent), "bye1" a bye, "-" no game.
std::string RoundCell(const CStandingsTable& table, const CParticipant& participant, int round)
{
    static constexpr std::array<const char*, 3> Results{"0", "½", "1"};
    const CRoundOutcome outcome = RoundOutcome(participant, round);
    const std::string result = Results[static_cast<std::size_t>(outcome.m_Points)];
    const auto place = [&]
    {
        const int placed = table.m_PlaceOf[static_cast<std::size_t>(outcome.m_Opponent)];
        return placed == 0 ? std::string() : std::to_string(placed);
    };
    switch (outcome.m_Kind)
    {
    case ERoundKind::NoGame:
        return "-";
    case ERoundKind::PairingBye:
    case ERoundKind::RequestedBye:
        return "bye" + result;
    case ERoundKind::Played:
        return place() + (outcome.m_White ? "w" : "b") + result;
    case ERoundKind::ForfeitWin:
        return place() + "+";
    case ERoundKind::ForfeitLoss:
    case ERoundKind::DoubleForfeit:
        return place() + "-";
    }
    return "-";
}

Fields HeaderFields(int rounds)
{
    Fields fields{"Place", "Name", "Rating", "Points", "BH-C1", "BH", "SB", "Games"};
    for (int round = 1; round <= rounds; ++round)
        fields.emplace_back("R").append(std::to_string(round));
    return fields;
}

Fields RowFields(const CVantor& tournament, const CStandingsTable& table, const CStandingsRow& row)
{
    const CParticipant& participant =
        tournament.m_Participants[static_cast<std::size_t>(row.m_Participant)];
    Fields fields{std::to_string(row.m_Place),
                  participant.m_Name + (participant.m_Absent ? " (withdrawn)" : ""),
                  std::to_string(participant.m_Elo),
                  HalfPointsText(row.m_Points),
                  HalfPointsText(row.m_BuchholzCut1),
                  HalfPointsText(row.m_Buchholz),
                  QuartersText(row.m_SonnebornBerger),
                  std::to_string(row.m_Games)};
    for (int round = 1; round <= table.m_Rounds; ++round)
        fields.push_back(RoundCell(table, participant, round));
    return fields;
}

// The row as a terminal shows it: a name's control characters written out.
Fields TextRowFields(const CVantor& tournament, const CStandingsTable& table,
                     const CStandingsRow& row)
{
    Fields fields = RowFields(tournament, table, row);
    fields[NameColumn] = TerminalText(fields[NameColumn]);
    return fields;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += Utf8Length(text, at))
        ++count;
    return count;
}

void WriteTextLine(std::ostream& stream, const Fields& fields,
                   const std::vector<std::size_t>& widths)
{
    for (std::size_t column = 0; column < fields.size(); ++column)
    {
        const std::string padding(widths[column] - CharacterCount(fields[column]), ' ');
        if (column > 0)
            stream << "  ";
        if (column == NameColumn)
            stream << fields[column] << padding;
        else
            stream << padding << fields[column];
    }
    stream << '\n';
}

void WriteCsvLine(std::ostream& stream, const Fields& fields)
{
    for (std::size_t column = 0; column < fields.size(); ++column)
    {
        if (column > 0)
            stream << ',';
        stream << (column == NameColumn ? CsvTextCell(fields[column]) : CsvCell(fields[column]));
    }
    stream << "\r\n";
}

void Widen(std::vector<std::size_t>& widths, const Fields& fields)
{
    for (std::size_t column = 0; column < fields.size(); ++column)
        widths[column] = std::max(widths[column], CharacterCount(fields[column]));
}
} // namespace

// The rows are worked out twice, once for the widths of the columns and once for writing: that
// costs less than holding every field of a large field in memory.
void WriteStandingsText(std::ostream& stream, const CVantor& tournament,
                        const CStandingsTable& table)
{
    const Fields header = HeaderFields(table.m_Rounds);
    std::vector<std::size_t> widths(header.size(), 0);
    Widen(widths, header);
    for (const CStandingsRow& row : table.m_Rows)
        Widen(widths, TextRowFields(tournament, table, row));
    WriteTextLine(stream, header, widths);
    for (const CStandingsRow& row : table.m_Rows)
        WriteTextLine(stream, TextRowFields(tournament, table, row), widths);
    stream.flush();
}

void WriteStandingsCsv(std::ostream& stream, const CVantor& tournament,
                       const CStandingsTable& table)
{
    WriteCsvLine(stream, HeaderFields(table.m_Rounds));
    for (const CStandingsRow& row : table.m_Rows)
        WriteCsvLine(stream, RowFields(tournament, table, row));
    stream.flush();
}
