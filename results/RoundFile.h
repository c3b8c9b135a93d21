#pragma once

// results/ works on a round file between its pairing and its appending: the results entered
// into it (EnterResults.h) and the checks before it is appended (AppendRound.h). It uses output/
// (the tag lines) and tournament/ (how a board is stored as a game). Used by driver/.

#include "tournament/BoardRecord.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One board of a round file: what it stores, and the lines it stands on.
struct CRoundBoard
{
    CBoardRecord m_Record;
    std::string m_Round;          // the Round tag's value, "5.3"
    int m_Board = 0;              // the number after its dot
    std::int32_t m_FirstLine = 0; // of its first tag, from 1
    std::int32_t m_LastLine = 0;  // of its termination marker
};

// A round file between its pairing and its appending: its boards, and its text byte for byte, so
// that a result is entered by rewriting the lines of its board and nothing else.
class CRoundFile
{
public:
    // False when the file cannot be opened or breaks the grammar; the reader's diagnostic has
    // been printed then.
    bool Read(const std::string& name);

    const std::vector<CRoundBoard>& Boards() const { return m_Boards; }
    // The boards with this number (more than one when the file was edited so).
    std::vector<const CRoundBoard*> FindBoards(int number) const;

    // Gives the board the result and players of now: its tags from White to Result and the
    // program's own are written anew where the first of them stood, its termination marker is
    // replaced, and every other line stays. False with the reason when its lines are not laid out
    // one tag a line with the marker ending its last line, as the pairing writes them.
    bool Rewrite(const CRoundBoard& board, const CBoardRecord& now, std::string& reason);

    // The text with every rewrite made.
    std::string Text() const;

private:
    struct CRewrite
    {
        std::int32_t m_LastLine = 0;
        std::vector<std::string> m_Lines;
    };

    std::vector<std::string> m_Lines; // each with its line end
    std::vector<CRoundBoard> m_Boards;
    std::map<std::int32_t, CRewrite> m_Rewrites; // by the first line of the board
};
