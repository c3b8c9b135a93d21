#pragma once

#include "results/RoundFile.h"

#include <string>
#include <vector>

// One result a director enters: the board, as the number after the dot of its Round tag.
struct CResultEntry
{
    int m_Board = 0;
    EBoardResult m_Result = EBoardResult::Unplayed;
};

// Reads "3 1-0 5 = 7 +-": pairs of a board and a result. False with the reason when a board is
// not a number, a result is none of the notations, a board is named twice or one lacks its
// result.
bool ReadResultEntries(const std::vector<std::string>& words, std::vector<CResultEntry>& entries,
                       std::string& reason);

// Enters every result into the file, or none: false with the reason when a board is not in the
// file (or stands in it twice), is a bye, or is not laid out as the pairing writes boards.
// changed receives each board as it now reads, in the order entered.
bool EnterResults(CRoundFile& file, const std::vector<CResultEntry>& entries,
                  std::vector<CBoardRecord>& changed, std::string& reason);

// "board 3: Adler, Maren - Brandt, Oskar 1-0", forfeits with who did not come.
std::string DescribeBoard(int board, const CBoardRecord& record);
