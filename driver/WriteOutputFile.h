#pragma once

#include <string>

// Replaces the file `name` with `text`, all or nothing: the text goes to a new file beside it,
// which is renamed over the old one only once it is completely written. The file may be the
// tournament's only memory (and the round is the next part of it), so a full disk or a
// crash must never leave it half written. On failure reason tells why and the old file is as
// it was. A symbolic link is followed, also to a file that does not exist yet: the link stays, its
// target gets the text. When the folder takes no new file but the file is writable, the text is
// written into it, its space claimed first, so that a full disk or a size limit still leaves the
// old text whole; a device or a pipe is written as it is.
bool WriteOutputFile(const std::string& name, const std::string& text, std::string& reason);

// The whole file as it stands, byte for byte. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& name, std::string& bytes);

// Whether the two names are one file (the same device and inode, so also through another path,
// a symbolic link or a hard link); false when either does not exist.
bool IsSameFile(const std::string& first, const std::string& second);
