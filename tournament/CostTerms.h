#pragma once

#include <cstdint>

// The parts of a participant's cost term that do not depend on its opponent, worked out once per
// run from the standings with exactly the arithmetic of a full evaluation, so that using them
// gives the same bits. Small enough to share one cache line with the pairing state. Colours index
// by 0 Black, 1 White; floats by 0 up, 1 down.
struct CCostTerms
{
    double m_ColourOwn[2] = {0.0, 0.0};      // colour figure of the colour played
    std::uint64_t m_MetMask = 0;             // bit (index mod 64) of every opponent met
    std::uint8_t m_Float[2] = {0, 0};        // which float weight applies: 0 none, 1 to 3
    bool m_PrefersOther[2] = {false, false}; // the other colour's figure is the higher one
};
