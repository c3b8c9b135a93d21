#pragma once

#include <array>
#include <cstdint>
#include <string>

// Points as directors read them and spreadsheets take them: "17", "4.5", "17.25"; exact, and
// with a dot whatever locale a stream carries. For figures of 0 and more.
inline std::string QuartersText(std::int32_t quarters)
{
    static constexpr std::array<const char*, 4> Fractions{"", ".25", ".5", ".75"};
    return std::to_string(quarters / 4) + Fractions[static_cast<std::size_t>(quarters % 4)];
}

inline std::string HalfPointsText(std::int32_t halfPoints)
{
    return QuartersText(2 * halfPoints);
}
