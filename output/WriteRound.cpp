#include "output/WriteRound.h"

#include "output/WriteTag.h"
#include "pairing/PairedBoards.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <ostream>
#include <string>

namespace
{
void WriteBoard(std::ostream& stream, const CParticipant& white, const CParticipant& black,
                int board, const char* result)
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
    const std::string round =
        std::to_string(white.m_History.size() + 1) + "." + std::to_string(board);
    WriteTag(stream, "Round", round);
    WriteTag(stream, "Result", result);
}
} // namespace

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
        WriteBoard(stream, white, black, board, result);
        if (tournament.m_Parameters.m_Debug)
        {
            WriteDebugComment(stream, tournament, white);
            WriteDebugComment(stream, tournament, black);
        }
        stream << result << "\n\n";
        stream.flush();
    }
    return !stream.fail();
}
