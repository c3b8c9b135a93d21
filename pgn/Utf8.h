#pragma once

#include <cstddef>
#include <string_view>

// Names come in UTF-8, or now and then in Latin-1 from another program: a byte that starts no
// whole UTF-8 sequence stands for one character of its own.

inline bool IsUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u;
}

// The bytes of the character at `at`: its UTF-8 sequence, or 1.
inline std::size_t Utf8Length(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC2 ? 1 : (lead < 0xE0 ? 2 : (lead < 0xF0 ? 3 : 4));
    if (lead > 0xF4 || at + length > text.size())
        return 1;
    for (std::size_t next = at + 1; next < at + length; ++next)
        if (!IsUtf8Continuation(text[next]))
            return 1;
    return length;
}
