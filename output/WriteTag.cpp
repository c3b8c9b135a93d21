#include "output/WriteTag.h"

#include <ostream>

void WriteTag(std::ostream& stream, std::string_view name, std::string_view value)
{
    stream << '[' << name << " \"";
    for (const char character : value)
    {
        if (character == '\\' || character == '"')
            stream << '\\';
        stream << character;
    }
    stream << "\"]\n";
}
