#pragma once

#include <iosfwd>
#include <string_view>

// Writes one tag line, [Name "value"]. Backslashes and quotation marks in the value are escaped
// with a backslash, so that a name read from an escaped string is written back so that the
// next run reads the same name; every other byte is written as stored.
void WriteTag(std::ostream& stream, std::string_view name, std::string_view value);
