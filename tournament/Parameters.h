#pragma once

#include <array>
#include <cstdint>
#include <utility>

// The pairing parameters: the debug switch, the seed and the eleven cost weights. Each is set
// by the escape command whose word is the field's name without its prefix.
struct CParameters
{
    bool m_Debug = false;
    std::int32_t m_Seed = 1;
    double m_PairRepeated = 99999.9;
    double m_Colour2 = 2.0;
    double m_Colour3 = 40.0;
    double m_Float1 = 30.0;
    double m_Float2 = 60.0;
    double m_Float3 = 200.0;
    double m_ScoreBYE = 250.0;
    double m_Score = 25.0;
    double m_Colour = 8.0;
    double m_Rank = 1.0;
    double m_ColourRank = 0.01;
};

// The eleven weights, each with the word of the escape command that sets it.
inline constexpr std::array<std::pair<const char*, double CParameters::*>, 11> WeightFields{{
    {"PairRepeated", &CParameters::m_PairRepeated},
    {"Colour2", &CParameters::m_Colour2},
    {"Colour3", &CParameters::m_Colour3},
    {"Float1", &CParameters::m_Float1},
    {"Float2", &CParameters::m_Float2},
    {"Float3", &CParameters::m_Float3},
    {"ScoreBYE", &CParameters::m_ScoreBYE},
    {"Score", &CParameters::m_Score},
    {"Colour", &CParameters::m_Colour},
    {"Rank", &CParameters::m_Rank},
    {"ColourRank", &CParameters::m_ColourRank},
}};
