#pragma once

#include <cstddef>
#include <string_view>

// The number of edits that turn a into b, each a byte inserted, dropped or changed, or two
// neighbouring bytes swapped (and the swapped pair left alone from then on), when it is at most
// limit; otherwise limit + 1. Only the cells of the distance table within limit of its diagonal
// can hold a distance of limit or less, so the time grows with the length of a times 2 * limit + 1,
// not with the product of the two lengths.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit);
