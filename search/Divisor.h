#pragma once

#include <cstdint>

// Remainders of the generator's draws by a divisor that stays fixed for a whole search, without
// a division instruction, whose latency would lie on the path of every move. With the multiplier
// m = floor(2^47 / d) + 1, draw * m / 2^47 rounds down to draw / d exactly for every draw below
// 2^15 and every divisor d below 2^32: the excess over draw / d is below 2^-32 < 1/d.
class CDivisor
{
public:
    CDivisor() = default;
    explicit CDivisor(std::uint32_t divisor)
        : m_Divisor(divisor), m_Multiplier((std::uint64_t{1} << 47) / divisor + 1)
    {
    }

    // The remainder of a draw from 0 to 32767.
    std::uint32_t Remainder(int draw) const
    {
        const auto value = static_cast<std::uint32_t>(draw);
        const auto quotient = static_cast<std::uint32_t>((value * m_Multiplier) >> 47);
        return value - quotient * m_Divisor;
    }

private:
    std::uint32_t m_Divisor = 1;
    std::uint64_t m_Multiplier = (std::uint64_t{1} << 47) + 1;
};
