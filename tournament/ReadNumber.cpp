#include "tournament/ReadNumber.h"

#include "pgn/CharacterClasses.h"

#include <cstdint>
#include <cstdlib>

namespace
{
std::size_t SkipBlanks(const std::string& text)
{
    std::size_t at = 0;
    while (at < text.size() && IsWhiteSpace(text[at]))
        ++at;
    return at;
}

std::size_t SkipSign(const std::string& text, std::size_t at)
{
    return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

std::size_t SkipDigits(const std::string& text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The end of the decimal number that starts at `start` (after blanks), or start without one.
std::size_t DecimalEnd(const std::string& text, std::size_t start)
{
    const std::size_t integral = SkipSign(text, start);
    std::size_t end = SkipDigits(text, integral);
    bool hasDigits = end > integral;
    if (end < text.size() && text[end] == '.')
    {
        const std::size_t fraction = SkipDigits(text, end + 1);
        hasDigits = hasDigits || fraction > end + 1;
        end = fraction;
    }
    if (!hasDigits)
        return start;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E'))
    {
        const std::size_t exponent = SkipSign(text, end + 1);
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end;
}

// Whether nothing but blanks follows `at`, and a number ended there.
bool EndsWhole(const std::string& text, std::size_t start, std::size_t at)
{
    if (at == start)
        return false;
    while (at < text.size() && IsWhiteSpace(text[at]))
        ++at;
    return at == text.size();
}
} // namespace

std::int32_t ReadInteger(const std::string& text)
{
    const std::size_t start = SkipBlanks(text);
    const bool negative = start < text.size() && text[start] == '-';
    const std::int64_t bound = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    std::int64_t magnitude = 0;
    for (std::size_t at = SkipSign(text, start); at < text.size() && IsDigit(text[at]); ++at)
    {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude >= bound)
        {
            magnitude = bound;
            break;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

double ReadDecimal(const std::string& text)
{
    const std::size_t start = SkipBlanks(text);
    const std::size_t end = DecimalEnd(text, start);
    if (end == start)
        return 0.0;
    // Only the validated prefix reaches strtod, so it cannot take up a form of its own.
    const std::string number = text.substr(start, end - start);
    return std::strtod(number.c_str(), nullptr);
}

bool IsWholeInteger(const std::string& text)
{
    const std::size_t start = SkipBlanks(text);
    const std::size_t digits = SkipSign(text, start);
    const std::size_t end = SkipDigits(text, digits);
    return end > digits && EndsWhole(text, start, end);
}

bool IsWholeDecimal(const std::string& text)
{
    const std::size_t start = SkipBlanks(text);
    return EndsWhole(text, start, DecimalEnd(text, start));
}
