#pragma once

// The character classes of the C library in the default C locale, written out so that bytes 0x80
// to 0xFF (which belong to none of them) never index a classification table and a locale set
// elsewhere in the process cannot change how a file or a number is read.

inline bool IsWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
