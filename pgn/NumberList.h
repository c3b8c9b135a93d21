#pragma once

#include <string>
#include <vector>

// Numbers named in a message, "round 2" or "rounds 1, 4": the noun (with its plural after more
// than one number), then the numbers; beyond the first ten only how many more, so that a round
// of thousands of boards still gives a line that can be read.
inline std::string NumberList(const char* noun, const std::vector<int>& numbers)
{
    constexpr std::size_t MostNamed = 10;
    std::string text = noun;
    text += numbers.size() == 1 ? " " : "s ";
    for (std::size_t k = 0; k < numbers.size() && k < MostNamed; ++k)
    {
        if (k > 0)
            text += ", ";
        text += std::to_string(numbers[k]);
    }
    if (numbers.size() > MostNamed)
        text += " and " + std::to_string(numbers.size() - MostNamed) + " more";
    return text;
}
