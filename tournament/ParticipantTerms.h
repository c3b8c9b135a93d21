#pragma once

#include <cstdint>

class CCostTerms;

// The parts of a participant's cost term that do not depend on its opponent. They belong to the
// pairing cost's derived data (CCostTerms, which alone opens them) but are kept in the
// participant's record, small enough to share one cache line with its pairing state, because
// every evaluation reads both. Colours index by 0 Black, 1 White; floats by 0 up, 1 down.
class CParticipantTerms
{
    friend class CCostTerms;

    double m_ColourOwn[2] = {0.0, 0.0};      // colour figure of the colour played
    std::uint64_t m_MetMask = 0;             // bit (index mod 64) of every opponent met
    std::uint8_t m_Float[2] = {0, 0};        // which float weight applies: 0 none, 1 to 3
    bool m_PrefersOther[2] = {false, false}; // the other colour's figure is the higher one
};
