#pragma once

#include <string>
#include <string_view>

// A name from the file as a terminal may show it. Control characters are written out instead of
// sent: "\n", "\r", "\t" and "\x1B" (any other C0 control and DEL by its code, a C1 control sent
// in UTF-8 as "\u009B", a lone byte that an 8-bit terminal would take for one as "\x9B"), so that
// every warning stays one line and no name can move the cursor, clear a line or set the window's
// title. Everything else, letters of every script and bytes of Latin-1 included, is kept as it
// is; text without a control character comes back unchanged. For what is shown on a terminal
// only: the written round keeps a name's bytes, so that the next run reads the same name.
std::string TerminalText(std::string_view text);
