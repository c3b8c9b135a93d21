#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// What the pairing cost works out once per run from the histories, the standings and the weights
// and then reads on every evaluation. The model only stores it: pairing/CostTerms.h fills it and
// is the one place that reads it. Colours index by 0 Black, 1 White; floats by 0 up, 1 down.

// The parts of a participant's cost term that do not depend on its opponent but for its score.
// Participants of the same colour and float history share one profile, and a field of thousands
// has a few hundred of them, so the search reads them from a table that stays in the nearest
// caches.
struct CTermProfile
{
    double m_ColourOwn[2] = {0.0, 0.0};      // colour figure of the colour played
    std::uint8_t m_Float[2] = {0, 0};        // which float weight applies: 0 none, 1 to 3
    bool m_PrefersOther[2] = {false, false}; // the other colour's figure is the higher one
};

// A record's own part of every term: 16 bytes, so that the search can keep it beside the
// record's pairing state in one compact record of its own. A place and a profile entry fit 16
// bits, as a field has at most 30,000 participants (a place is at most twice the records).
struct CTermRecord
{
    std::uint64_t m_MetMask = 0; // bit (index mod 64) of every opponent met
    std::int32_t m_Points = 0;   // the score, in half points
    std::uint16_t m_Place = 0;
    std::uint16_t m_Profile = 0; // entry of the profiles
};

// The tournament's part: every record's term record and the profiles they name, whom each record
// has met, the present participants per score, the float and colour favour weights as the terms
// index them, and whether the weights bound every term from below.
struct CCostTerms
{
    std::vector<CTermRecord> m_Records;
    std::vector<CTermProfile> m_Profiles;
    // Every record's opponents of the rounds played, m_Rounds side by side per record.
    std::vector<std::int32_t> m_Opponents;
    std::size_t m_Rounds = 0;
    // The number of present participants below each score, and one more entry for all.
    std::vector<std::int32_t> m_ScoreBelow;
    std::array<double, 4> m_FloatWeights{};    // none, then Float1 to Float3
    std::array<double, 2> m_ColourRankTerms{}; // subtracted without and with a colour favour
    bool m_WeightsAreBounded = false;
};
