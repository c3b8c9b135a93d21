#pragma once

#include <string>

// Replaces the file `name` with `text`, all or nothing: the text goes to a new file beside it,
// which is renamed over the old one only once it is completely written. The file may be the
// tournament's only memory (input and output are often the same file), so a full disk or a
// crash must never leave it half written. On failure reason tells why and the old file is as
// it was.
bool WriteOutputFile(const std::string& name, const std::string& text, std::string& reason);
