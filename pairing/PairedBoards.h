#pragma once

#include "tournament/ReservedRecords.h"

#include <vector>

class CVantor;

// One board: White and Black, either of them the bye record for a bye.
struct CBoard
{
    int m_White = 0;
    int m_Black = 0;

    bool IsBye() const { return m_White == ByeRecord || m_Black == ByeRecord; }
    // The participant of a bye, the one who is not the bye record.
    int Receiver() const { return m_White == ByeRecord ? m_Black : m_White; }
};

// The boards of the pairing that the participants hold, in the order the round is written: each
// pair once, from its better placed member, so that the boards follow the standings and a bye
// stands at the place of its receiver.
std::vector<CBoard> PairedBoards(const CVantor& tournament);
