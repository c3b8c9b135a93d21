#include "pgn/TerminalText.h"

#include "pgn/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace
{
bool IsControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

// The code point of a two-byte UTF-8 sequence.
std::uint32_t TwoByteCodePoint(std::string_view text, std::size_t at)
{
    return ((static_cast<unsigned char>(text[at]) & 0x1Fu) << 6) |
           (static_cast<unsigned char>(text[at + 1]) & 0x3Fu);
}

void AppendHex(std::string& shown, const char* prefix, std::uint32_t value, int digits)
{
    static constexpr std::array<char, 16> Digits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    shown += prefix;
    for (int digit = digits - 1; digit >= 0; --digit)
        shown += Digits[(value >> (4 * digit)) & 0xFu];
}

void AppendControl(std::string& shown, unsigned char byte)
{
    switch (byte)
    {
    case '\n':
        shown += "\\n";
        break;
    case '\r':
        shown += "\\r";
        break;
    case '\t':
        shown += "\\t";
        break;
    default:
        AppendHex(shown, "\\x", byte, 2);
    }
}

// The bytes of the character at `at`, escaped where they would act on the terminal; returns the
// position behind it.
std::size_t AppendCharacter(std::string& shown, std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    if (IsControl(byte))
    {
        AppendControl(shown, byte);
        return at + 1;
    }
    const std::size_t length = Utf8Length(text, at);
    if (length == 1 && byte >= 0x80 && byte <= 0x9F)
        AppendHex(shown, "\\x", byte, 2);
    else if (length == 2 && TwoByteCodePoint(text, at) <= 0x9F)
        AppendHex(shown, "\\u", TwoByteCodePoint(text, at), 4);
    else
        shown.append(text, at, length);
    return at + length;
}

bool NeedsEscaping(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c)
                       {
                           const auto byte = static_cast<unsigned char>(c);
                           return IsControl(byte) || (byte >= 0x80 && byte <= 0x9F);
                       });
}
} // namespace

std::string TerminalText(std::string_view text)
{
    // Nearly every name is plain: it comes back as it is, without a walk through its characters.
    if (!NeedsEscaping(text))
        return std::string(text);
    std::string shown;
    shown.reserve(text.size() + 8);
    for (std::size_t at = 0; at < text.size();)
        at = AppendCharacter(shown, text, at);
    return shown;
}
