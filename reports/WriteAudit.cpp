#include "reports/WriteAudit.h"

#include "pgn/NumberList.h"
#include "pgn/TerminalText.h"
#include "reports/EventTitle.h"
#include "reports/PointsText.h"

#include <array>
#include <cstdlib>
#include <iomanip>
#include <ostream>
#include <string>

namespace
{
class CAuditWriter
{
public:
    CAuditWriter(std::ostream& stream, const CVantor& tournament)
        : m_Stream(stream), m_Tournament(tournament)
    {
    }

    void WriteEvent(int round, const CAuditEvent& event)
    {
        m_Stream << "round " << round << ": ";
        const std::string name = Name(event.m_Participant);
        const auto [first, second] = event.m_Figures;
        switch (event.m_Kind)
        {
        case EAuditEvent::Rematch:
            m_Stream << "rematch: " << name << " - " << Name(event.m_Opponent) << " (met in "
                     << NumberList("round", event.m_Rounds) << ")";
            break;
        case EAuditEvent::SecondBye:
            m_Stream << "second bye: " << name
                     << (first == 1 ? " (had a bye or a forfeit win in " : " (had the bye in ")
                     << NumberList("round", event.m_Rounds) << ")";
            break;
        case EAuditEvent::ColourImbalance:
            m_Stream << "colour difference " << (first > second ? "+" : "") << first - second
                     << ": " << name << " (" << first << " White, " << second << " Black)";
            break;
        case EAuditEvent::ThirdColour:
            m_Stream << "third colour in a row: " << name << " ("
                     << (first == 1 ? "White" : "Black") << " in "
                     << NumberList("round", event.m_Rounds) << ")";
            break;
        case EAuditEvent::OneSidedGame:
            m_Stream << "one-sided game: " << name << " - " << Name(event.m_Opponent) << " (in "
                     << (first == 1 ? name : Name(event.m_Opponent)) << "'s record only)";
            break;
        case EAuditEvent::DifferentScores:
            m_Stream << "different scores: " << name << " " << HalfPointsText(first) << " - "
                     << Name(event.m_Opponent) << " " << HalfPointsText(second) << " (difference "
                     << HalfPointsText(std::abs(first - second)) << ")";
            break;
        }
        m_Stream << '\n';
    }

    void WriteHeader()
    {
        for (std::size_t column = 0; column < Columns.size(); ++column)
            m_Stream << (column == 0 ? "" : "  ") << Columns[column];
        m_Stream << '\n';
    }

    void WriteRow(const std::string& label, const CAuditCounts& counts, const char* note)
    {
        const std::array<std::string, Columns.size()> cells{
            label,
            std::to_string(counts.m_Boards),
            std::to_string(counts.m_Byes),
            std::to_string(counts.m_Forfeits),
            std::to_string(counts.Count(EAuditEvent::Rematch)),
            std::to_string(counts.Count(EAuditEvent::SecondBye)),
            std::to_string(counts.Count(EAuditEvent::ColourImbalance)),
            std::to_string(counts.Count(EAuditEvent::ThirdColour)),
            std::to_string(counts.Count(EAuditEvent::DifferentScores)),
            HalfPointsText(counts.m_ScoreDifferences)};
        for (std::size_t column = 0; column < Columns.size(); ++column)
            m_Stream << (column == 0 ? "" : "  ")
                     << std::setw(static_cast<int>(std::string(Columns[column]).size()))
                     << cells[column];
        m_Stream << note << '\n';
    }

private:
    static constexpr std::array<const char*, 10> Columns{
        "round",       "boards",          "byes",         "forfeits",         "rematches",
        "second-byes", "colour-beyond-2", "third-colour", "different-scores", "score-differences"};

    // As a terminal shows it: a name's control characters written out.
    std::string Name(int index) const
    {
        return TerminalText(m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_Name);
    }

    std::ostream& m_Stream;
    const CVantor& m_Tournament;
};
} // namespace

void WriteAudit(std::ostream& stream, const CVantor& tournament,
                const std::vector<CRoundAudit>& audits)
{
    const CEvent& described = tournament.m_Event;
    if (HasTitle(described))
        stream << Titled(described,
                         "audit after " +
                             RoundOf(described, static_cast<int>(tournament.RoundsPlayed())))
               << "\n\n";
    CAuditWriter writer(stream, tournament);
    bool anyEvent = false;
    for (const CRoundAudit& audit : audits)
        for (const CAuditEvent& event : audit.m_Events)
        {
            writer.WriteEvent(audit.m_Round, event);
            anyEvent = true;
        }
    if (anyEvent)
        stream << '\n';
    writer.WriteHeader();
    CAuditCounts total;
    for (const CRoundAudit& audit : audits)
    {
        writer.WriteRow(std::to_string(audit.m_Round), audit.m_Counts,
                        audit.m_Played ? "" : "  next round, not played yet");
        total += audit.m_Counts;
    }
    writer.WriteRow("total", total, "");
    stream.flush();
}
