#pragma once

#include "support/TournamentBuilder.h"

#include <gtest/gtest.h>

// A fixture for tournaments built by hand, with their records at hand.
class CTournamentTest : public ::testing::Test
{
protected:
    CParticipant& Record(int index)
    {
        return m_Tournament.m_Participants[static_cast<std::size_t>(index)];
    }

    // Pairs a and b with each other, a with the given colour, their costs not yet worked out.
    void Pair(int a, int b, bool aWhite)
    {
        Record(a).m_Pairing = {b, aWhite, 0.0};
        Record(b).m_Pairing = {a, !aWhite, 0.0};
    }

    CVantor m_Tournament;
};
