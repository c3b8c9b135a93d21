#pragma once

#include <string>
#include <vector>

// Numbers named in a message, "round 2" or "rounds 1, 4": the noun (with its plural after more
// than one number), then the numbers.
inline std::string NumberList(const char* noun, const std::vector<int>& numbers)
{
    std::string text = noun;
    text += numbers.size() == 1 ? " " : "s ";
    for (std::size_t k = 0; k < numbers.size(); ++k)
    {
        if (k > 0)
            text += ", ";
        text += std::to_string(numbers[k]);
    }
    return text;
}
