#include "output/WriteTag.h"
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

// Each pair is written once, from its better placed member, so the boards follow the standings;
// a bye stands at the place of its receiver.
bool CVantor::WriteRound(std::ostream& stream) const
{
    int board = 0;
    for (std::size_t position = FirstParticipant; position < m_Order.size(); ++position)
    {
        const CParticipant& player = m_Participants[static_cast<std::size_t>(m_Order[position])];
        if (player.m_Absent)
            continue;
        const int opponentIndex = player.m_Pairing.m_Opponent;
        const CParticipant& opponent = m_Participants[static_cast<std::size_t>(opponentIndex)];
        if (opponentIndex != ByeRecord && player.m_Place > opponent.m_Place)
            continue;

        ++board;
        const bool playerIsWhite = player.m_Pairing.m_White;
        const CParticipant& white = playerIsWhite ? player : opponent;
        const CParticipant& black = playerIsWhite ? opponent : player;
        const char* result = "*";
        if (opponentIndex == ByeRecord)
            result = playerIsWhite ? "1-0" : "0-1";
        WriteBoard(stream, white, black, board, result);
        if (m_Parameters.m_Debug)
        {
            WriteDebugComment(stream, white);
            WriteDebugComment(stream, black);
        }
        stream << result << "\n\n";
        stream.flush();
    }
    return !stream.fail();
}
