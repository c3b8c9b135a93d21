#include "results/AppendRound.h"

#include "pgn/NumberList.h"
#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <functional>

namespace
{
std::vector<int> BoardsWhere(const CRoundFile& round,
                             const std::function<bool(const CRoundBoard&)>& fault)
{
    std::vector<int> boards;
    for (const CRoundBoard& board : round.Boards())
        if (fault(board))
            boards.push_back(board.m_Board);
    return boards;
}

bool IsKnown(const CVantor& tournament, const std::string& name)
{
    return name == ByeName || tournament.m_Index.contains(name);
}
// The round of every board must be the tournament's next; all of them of one other round is
// said as such, else the boards of other rounds are named.
bool IsNextRound(const CVantor& tournament, const CRoundFile& round, std::string& reason)
{
    const int next = static_cast<int>(tournament.RoundsPlayed()) + 1;
    const auto roundOf = [](const CRoundBoard& board) { return ReadInteger(board.m_Round); };
    const std::vector<int> others =
        BoardsWhere(round, [&](const CRoundBoard& board) { return roundOf(board) != next; });
    if (others.empty())
        return true;
    const int first = roundOf(round.Boards().front());
    const bool oneRound =
        others.size() == round.Boards().size() &&
        BoardsWhere(round, [&](const CRoundBoard& board) { return roundOf(board) != first; })
            .empty();
    if (!oneRound)
        reason = NumberList("board", others) + " of other rounds than the tournament's next, " +
                 std::to_string(next);
    else if (first >= 1 && first < next)
        reason = "it is round " + std::to_string(first) +
                 ", which the tournament holds already; its next round is " + std::to_string(next);
    else
        reason = "it is round " + std::to_string(first) +
                 ", which is not the tournament's next round, " + std::to_string(next);
    return false;
}
} // namespace

bool CanAppend(const CVantor& tournament, const CRoundFile& round, std::string& reason)
{
    if (round.Boards().empty())
    {
        reason = "it holds no games";
        return false;
    }
    if (!IsNextRound(tournament, round, reason))
        return false;
    if (const std::vector<int> open =
            BoardsWhere(round, [](const CRoundBoard& board)
                        { return board.m_Record.m_Result == EBoardResult::Unplayed; });
        !open.empty())
    {
        reason = NumberList("board", open) + " without a result: enter " +
                 (open.size() == 1 ? "it" : "them") + " first with vantor --result";
        return false;
    }
    std::string stranger;
    const std::vector<int> strangers = BoardsWhere(
        round,
        [&](const CRoundBoard& board)
        {
            for (const std::string* name : {&board.m_Record.m_White, &board.m_Record.m_Black})
                if (!IsKnown(tournament, *name))
                {
                    if (stranger.empty())
                        stranger = *name;
                    return true;
                }
            return false;
        });
    if (strangers.empty())
        return true;
    reason = NumberList("board", strangers) + (strangers.size() == 1 ? " names" : " name") +
             " someone the tournament does not know, \"" + stranger + "\"" +
             (strangers.size() == 1 ? "" : " first");
    return false;
}

std::string AppendedText(const std::string& tournament, const std::string& round)
{
    const bool ended = tournament.empty() || tournament.back() == '\n';
    return tournament + (ended ? "" : "\n") + round;
}
