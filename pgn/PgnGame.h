#pragma once

#include <map>
#include <string>

// One record delivered by the reader: either the tag pairs of one game (tag name to value), or
// one escape command, which holds the key "%" (the command word), the command word itself (its
// first argument) and, for "new" and "replace", possibly "2." (the second argument). Callers
// tell the two apart by the key "%".
using CPgnGame = std::map<std::string, std::string>;

// The value of a tag or escape entry, empty when the record has none.
inline const std::string& TagValue(const CPgnGame& game, const std::string& tag)
{
    static const std::string none;
    const auto found = game.find(tag);
    return found == game.end() ? none : found->second;
}
