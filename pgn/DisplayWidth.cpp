#include "pgn/DisplayWidth.h"

#include "pgn/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace
{
struct CRange
{
    std::uint32_t m_First;
    std::uint32_t m_Last;
};

// Characters a terminal draws on top of the one before: combining marks of the common scripts,
// the joiners, the direction marks and the variation selectors. Sorted, for a binary search.
constexpr std::array<CRange, 38> ZeroWidth{{
    {0x0300, 0x036F}, {0x0483, 0x0489},   {0x0591, 0x05BD},   {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
    {0x05C4, 0x05C5}, {0x05C7, 0x05C7},   {0x0610, 0x061A},   {0x064B, 0x065F}, {0x0670, 0x0670},
    {0x06D6, 0x06DC}, {0x06DF, 0x06E4},   {0x06E7, 0x06E8},   {0x06EA, 0x06ED}, {0x0900, 0x0902},
    {0x093A, 0x093A}, {0x093C, 0x093C},   {0x0941, 0x0948},   {0x094D, 0x094D}, {0x0951, 0x0957},
    {0x0962, 0x0963}, {0x0E31, 0x0E31},   {0x0E34, 0x0E3A},   {0x0E47, 0x0E4E}, {0x1160, 0x11FF},
    {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},   {0x200B, 0x200F},   {0x202A, 0x202E}, {0x2060, 0x2064},
    {0x20D0, 0x20FF}, {0x302A, 0x302D},   {0x3099, 0x309A},   {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
    {0xFEFF, 0xFEFF}, {0x1F3FB, 0x1F3FF}, {0xE0100, 0xE01EF},
}};

// Characters a terminal draws two columns wide: the East Asian wide and full-width ones, and the
// pictographs.
constexpr std::array<CRange, 16> DoubleWidth{{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xA960, 0xA97F},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},
    {0xFE30, 0xFE6F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF},
    {0x20000, 0x3FFFD},
}};

template <std::size_t Count>
bool IsIn(const std::array<CRange, Count>& ranges, std::uint32_t codePoint)
{
    const auto after = std::upper_bound(ranges.begin(), ranges.end(), codePoint,
                                        [](std::uint32_t point, const CRange& range)
                                        { return point < range.m_First; });
    return after != ranges.begin() && codePoint <= std::prev(after)->m_Last;
}

// The code point of the UTF-8 sequence of `length` bytes at `at`.
std::uint32_t CodePoint(std::string_view text, std::size_t at, std::size_t length)
{
    static constexpr std::array<unsigned, 5> LeadBits{0, 0xFF, 0x1F, 0x0F, 0x07};
    std::uint32_t point = static_cast<unsigned char>(text[at]) & LeadBits[length];
    for (std::size_t next = at + 1; next < at + length; ++next)
        point = (point << 6) | (static_cast<unsigned char>(text[next]) & 0x3Fu);
    return point;
}
} // namespace

std::size_t CharacterWidth(std::string_view text, std::size_t at)
{
    const std::size_t length = Utf8Length(text, at);
    if (length == 1)
        return 1;
    const std::uint32_t point = CodePoint(text, at, length);
    if (IsIn(ZeroWidth, point))
        return 0;
    return IsIn(DoubleWidth, point) ? 2 : 1;
}

std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size(); at += Utf8Length(text, at))
        width += CharacterWidth(text, at);
    return width;
}

std::string CutToWidth(std::string_view text, std::size_t width)
{
    if (width == 0 || DisplayWidth(text) <= width)
        return std::string(width == 0 ? std::string_view() : text);
    std::size_t used = 0;
    std::size_t at = 0;
    for (; at < text.size(); at += Utf8Length(text, at))
    {
        used += CharacterWidth(text, at);
        if (used > width - 1) // one column for the ellipsis
            break;
    }
    return std::string(text.substr(0, at)) + "…";
}
