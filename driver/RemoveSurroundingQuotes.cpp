#include "driver/RemoveSurroundingQuotes.h"

std::string RemoveSurroundingQuotes(const std::string& argument)
{
    if (argument.size() > 2 && argument.front() == '"' && argument.back() == '"')
        return argument.substr(1, argument.size() - 2);
    return argument;
}
