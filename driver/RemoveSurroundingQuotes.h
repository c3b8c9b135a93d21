#pragma once

#include <string>

// An argument that arrives with its own pair of surrounding double quotes (as some shells and
// batch files pass them) loses that one pair; anything else is used unchanged.
std::string RemoveSurroundingQuotes(const std::string& argument);
