#pragma once

#include <cstdint>
#include <string>

// Numbers in tag values and escape arguments are read the way the C library's atoi and atof read
// them: leading white space, an optional sign and the longest number that follows; whatever comes
// after is ignored, and text without a leading number gives 0.

// A decimal integer; one beyond the 32-bit range saturates at its bound instead of being
// undefined.
std::int32_t ReadInteger(const std::string& text);

// A decimal number with an optional fraction and exponent ("nan", "inf" and hexadecimal forms
// are not numbers here). A magnitude beyond the double range gives an infinity.
double ReadDecimal(const std::string& text);

// Whether the whole text, blanks around it aside, is one such number: "1,850" is not (it reads
// as 1), nor is "yes" (it reads as 0).
bool IsWholeInteger(const std::string& text);
bool IsWholeDecimal(const std::string& text);
