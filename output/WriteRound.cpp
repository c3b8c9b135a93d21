#include "output/WriteRound.h"

#include "pairing/PairedBoards.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

namespace
{
// The widths of the report are minimums and a cost can be as large as the weights make it
// (1e300 prints 300 digits), so the text is measured before it is formatted.
template <typename... Values> std::string Format(const char* format, Values... values)
{
    const int length = std::snprintf(nullptr, 0, format, values...);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, values...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

char FloatLetter(int direction)
{
    if (direction == -1)
        return 'u';
    return direction == 1 ? 'd' : '-';
}

// The Event tag: the event's name where the file gives it (%event).
std::string_view EventName(const CVantor& tournament)
{
    const std::string& name = tournament.m_Event.m_Name;
    return name.empty() ? UnnamedEvent : std::string_view(name);
}

// The rating as its tag holds it, empty for an unrated player (who gets no tag).
std::string RatingText(const CParticipant& player)
{
    return player.m_Elo > 0 ? std::to_string(player.m_Elo) : std::string();
}

// A bye asked for with %bye, its result filled in: the participant as White against BYE.
void WriteRequestedBye(std::ostream& stream, const CVantor& tournament, const CRequestedBye& bye,
                       int board)
{
    const CParticipant& receiver =
        tournament.m_Participants[static_cast<std::size_t>(bye.m_Participant)];
    CBoardRecord record{receiver.m_Name, RatingText(receiver), ByeName, std::string()};
    record.m_Result = bye.m_Points == 2   ? EBoardResult::WhiteWins
                      : bye.m_Points == 1 ? EBoardResult::Draw
                                          : EBoardResult::BlackWins;
    record.m_RequestedBye = true;
    const std::string round =
        std::to_string(receiver.m_History.size() + 1) + "." + std::to_string(board);
    WriteBoardTags(stream, record, round, EventName(tournament));
    stream << ResultMarker(record.m_Result) << "\n\n";
    stream.flush();
}
} // namespace

void WriteTag(std::ostream& stream, std::string_view name, std::string_view value)
{
    stream << '[' << name << " \"";
    for (const char character : value)
    {
        if (character == '\\' || character == '"')
            stream << '\\';
        stream << character;
    }
    stream << "\"]\n";
}

void WriteBoardTags(std::ostream& stream, const CBoardRecord& board, const std::string& round,
                    std::string_view event)
{
    WriteTag(stream, "Event", event);
    WriteTag(stream, "Site", "my computer");
    WriteTag(stream, "Date", "?");
    for (const auto& [name, value] : EncodeBoard(board, round))
        WriteTag(stream, name, value);
}

void WriteGameTags(std::ostream& stream, const CParticipant& white, const CParticipant& black,
                   const std::string& round, const char* result, std::string_view event)
{
    CBoardRecord board{white.m_Name, RatingText(white), black.m_Name, RatingText(black)};
    board.m_Result = *ReadResultNotation(result);
    WriteBoardTags(stream, board, round, event);
}

bool WriteRound(std::ostream& stream, const CVantor& tournament)
{
    int board = 0;
    for (const CBoard& pair : PairedBoards(tournament))
    {
        ++board;
        const CParticipant& white =
            tournament.m_Participants[static_cast<std::size_t>(pair.m_White)];
        const CParticipant& black =
            tournament.m_Participants[static_cast<std::size_t>(pair.m_Black)];
        const char* result = "*";
        if (pair.IsBye())
            result = pair.m_Black == ByeRecord ? "1-0" : "0-1";
        const std::string round =
            std::to_string(white.m_History.size() + 1) + "." + std::to_string(board);
        WriteGameTags(stream, white, black, round, result, EventName(tournament));
        if (tournament.m_Parameters.m_Debug)
        {
            WriteDebugComment(stream, tournament, white);
            WriteDebugComment(stream, tournament, black);
        }
        stream << result << "\n\n";
        stream.flush();
    }
    for (const CRequestedBye& bye : tournament.m_RequestedByes)
        WriteRequestedBye(stream, tournament, bye, ++board);
    return !stream.fail();
}

void WriteDebugComment(std::ostream& stream, const CVantor& tournament,
                       const CParticipant& participant)
{
    const std::size_t records = tournament.m_Participants.size();
    const auto place = static_cast<std::uint32_t>(participant.m_Place);
    const int rank = place < records ? participant.m_Place - 1 : 0;
    stream << "{ "
           << Format("value:%8.2f; score:%5.1f; rank:%3d; W:%3d; B:%3d; ",
                     participant.m_Pairing.m_Cost, participant.m_Points * 0.5, rank,
                     participant.m_WhiteGames, participant.m_BlackGames);
    stream << FloatLetter(participant.m_PrevFloat) << FloatLetter(participant.m_LastFloat);

    const CParticipant& opponent =
        tournament.m_Participants[static_cast<std::size_t>(participant.m_Pairing.m_Opponent)];
    if (participant.m_Points > opponent.m_Points)
        stream << "D ";
    else if (participant.m_Points < opponent.m_Points)
        stream << "U ";
    else
        stream << "- ";

    for (const CRoundEntry& entry : participant.m_History)
    {
        if (entry.m_Opponent < FirstParticipant)
            stream << '-';
        else
            stream << (entry.m_White ? 'w' : 'b');
    }
    stream << (participant.m_Pairing.m_White ? 'W' : 'B') << " }\n";
}
