#include "results/EnterResults.h"

#include "tournament/ReadNumber.h"

#include <algorithm>

namespace
{
std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

const CRoundBoard* OnlyBoard(const CRoundFile& file, int number, std::string& reason)
{
    const std::vector<const CRoundBoard*> found = file.FindBoards(number);
    if (found.size() == 1)
        return found.front();
    reason = "board " + std::to_string(number) +
             (found.empty() ? " is not in the file"
                            : " stands in the file more than once (lines " +
                                  std::to_string(found[0]->m_FirstLine) + " and " +
                                  std::to_string(found[1]->m_FirstLine) + ")");
    return nullptr;
}
} // namespace

bool ReadResultEntries(const std::vector<std::string>& words, std::vector<CResultEntry>& entries,
                       std::string& reason)
{
    entries.clear();
    for (std::size_t at = 0; at < words.size(); at += 2)
    {
        const std::string& board = words[at];
        if (!IsWholeInteger(board) || ReadInteger(board) < 1)
        {
            reason = Quoted(board) + " is no board number";
            return false;
        }
        const int number = ReadInteger(board);
        if (at + 1 == words.size())
        {
            reason = "board " + board + " has no result";
            return false;
        }
        const std::optional<EBoardResult> result = ReadResultNotation(words[at + 1]);
        if (!result)
        {
            reason = Quoted(words[at + 1]) +
                     " is no result: 1-0, 0-1, 1/2-1/2 (also = and 1/2), +-, -+, -- or *";
            return false;
        }
        if (std::any_of(entries.begin(), entries.end(),
                        [&](const CResultEntry& entry) { return entry.m_Board == number; }))
        {
            reason = "board " + std::to_string(number) + " is named twice";
            return false;
        }
        entries.push_back({number, *result});
    }
    return true;
}

bool EnterResults(CRoundFile& file, const std::vector<CResultEntry>& entries,
                  std::vector<CBoardRecord>& changed, std::string& reason)
{
    changed.clear();
    for (const CResultEntry& entry : entries)
    {
        const CRoundBoard* board = OnlyBoard(file, entry.m_Board, reason);
        if (board == nullptr)
            return false;
        if (board->m_Record.IsBye())
        {
            reason = "board " + std::to_string(entry.m_Board) +
                     " is a bye: its result is the one the pairing wrote";
            return false;
        }
        CBoardRecord now = board->m_Record;
        now.m_Result = entry.m_Result;
        // The one who did not come is kept by his name alone: without one the board would read
        // back as a bye.
        if (now.IsForfeit() && (now.m_White.empty() || now.m_Black.empty()))
        {
            reason = "board " + std::to_string(entry.m_Board) +
                     " names no player on one side, who could not be kept as the one who did "
                     "not come; enter the name first";
            return false;
        }
        if (!file.Rewrite(*board, now, reason))
        {
            reason = "board " + std::to_string(entry.m_Board) + ": " + reason;
            return false;
        }
        changed.push_back(std::move(now));
    }
    return true;
}

std::string DescribeBoard(int board, const CBoardRecord& record)
{
    std::string text = "board " + std::to_string(board) + ": " + record.m_White + " - " +
                       record.m_Black + " " + ResultNotation(record.m_Result);
    if (record.m_Result == EBoardResult::WhiteForfeitWin)
        text += " (" + record.m_Black + " did not come)";
    else if (record.m_Result == EBoardResult::BlackForfeitWin)
        text += " (" + record.m_White + " did not come)";
    else if (record.m_Result == EBoardResult::DoubleForfeit)
        text += " (neither came)";
    return text;
}
