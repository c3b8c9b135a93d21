#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How many columns a terminal or a printer's fixed-width font gives text in UTF-8: most
// characters one, the East Asian wide ones and pictographs two, combining marks and joiners none.
// A byte that starts no whole UTF-8 sequence counts as one character of one column.

// The columns of the character at `at`.
std::size_t CharacterWidth(std::string_view text, std::size_t at);

std::size_t DisplayWidth(std::string_view text);

// The text itself when it takes at most `width` columns; else as much of it as fits in one column
// less, whole characters only, and an ellipsis.
std::string CutToWidth(std::string_view text, std::size_t width);
