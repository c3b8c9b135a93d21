#include "driver/WriteOutputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string LastError()
{
    return std::strerror(errno);
}

// A chain of symbolic links longer than this is taken for a loop, as the system takes it.
constexpr int MostLinks = 40;

// The file that writing through `name` would change: symbolic links are followed, also to a file
// that does not exist yet, so that a link stays a link and its target gets the new text.
bool FindDestination(const std::string& name, std::filesystem::path& destination,
                     std::string& reason)
{
    destination = name;
    std::error_code error;
    for (int links = 0; std::filesystem::is_symlink(destination, error); ++links)
    {
        const std::filesystem::path target = std::filesystem::read_symlink(destination, error);
        if (links == MostLinks || error)
        {
            reason = error ? error.message() : std::strerror(ELOOP);
            return false;
        }
        destination = target.is_absolute() ? target : destination.parent_path() / target;
    }
    return true;
}

// Writes all of text, however many calls that takes: from offset on in a file, or where the
// descriptor stands in a device or a pipe.
bool WriteAll(int descriptor, std::string_view text, std::optional<off_t> offset = std::nullopt)
{
    for (std::size_t written = 0; written < text.size();)
    {
        const std::size_t left = text.size() - written;
        const ssize_t count = offset ? ::pwrite(descriptor, text.data() + written, left,
                                                *offset + static_cast<off_t>(written))
                                     : ::write(descriptor, text.data() + written, left);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
        {
            if (count == 0)
                errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

// Closes a descriptor after writing through it; false, with the reason, when the writing
// failed or the close did, which can be where a full disk shows.
bool CloseAfterWriting(int descriptor, bool written, std::string& reason)
{
    if (!written)
        reason = LastError();
    if (::close(descriptor) != 0 && written)
    {
        written = false;
        reason = LastError();
    }
    return written;
}

// Devices and pipes (/dev/stdout, say) cannot be replaced by renaming; they are written as
// they are.
bool WriteToDevice(const std::filesystem::path& destination, const std::string& text,
                   std::string& reason)
{
    const int descriptor = ::open(destination.c_str(), O_WRONLY | O_TRUNC);
    if (descriptor < 0)
    {
        reason = LastError();
        return false;
    }
    return CloseAfterWriting(descriptor, WriteAll(descriptor, text), reason);
}

// Makes the file as long as text by writing the part of it beyond the old end, where it belongs,
// and makes sure the disk has taken it; a file that cannot grow (a full disk, a file size limit)
// is cut back to its old length, its old text untouched.
bool ClaimSpace(int descriptor, std::string_view text, off_t oldLength)
{
    const auto old = static_cast<std::size_t>(oldLength);
    if (text.size() <= old ||
        (WriteAll(descriptor, text.substr(old), oldLength) && ::fsync(descriptor) == 0))
        return true;
    const int error = errno;
    [[maybe_unused]] const int cut = ::ftruncate(descriptor, oldLength);
    errno = error;
    return false;
}

// A folder that takes no new file (a shared folder, say) may still hold a writable file, which
// then gets the round in place. That cannot be all or nothing, but the space is claimed before
// the first byte of the old text is overwritten: a full disk or a size limit leaves the old file
// as it was, never half a round.
bool WriteIntoFile(const std::filesystem::path& destination, const std::string& text,
                   std::string& reason)
{
    const int descriptor = ::open(destination.c_str(), O_WRONLY);
    if (descriptor < 0)
    {
        reason = LastError();
        return false;
    }
    struct stat status
    {
    };
    if (::fstat(descriptor, &status) != 0)
        return CloseAfterWriting(descriptor, false, reason);
    const std::string_view all(text);
    const auto old = static_cast<std::size_t>(status.st_size);
    const bool written = ClaimSpace(descriptor, all, status.st_size) &&
                         WriteAll(descriptor, all.substr(0, std::min(all.size(), old)), 0) &&
                         ::ftruncate(descriptor, static_cast<off_t>(all.size())) == 0 &&
                         ::fsync(descriptor) == 0;
    return CloseAfterWriting(descriptor, written, reason);
}

// The new file gets the old one's permissions, or those a newly created file would get.
mode_t PermissionsFor(const struct stat* existing)
{
    if (existing != nullptr)
        return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool ReplaceByRenaming(const std::filesystem::path& destination, const struct stat* existing,
                       const std::string& text, std::string& reason)
{
    const std::filesystem::path folder =
        destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ".vantor-XXXXXX").string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
    {
        // The folder takes no new file, but the file itself may be writable.
        reason = LastError();
        return existing != nullptr && ::access(destination.c_str(), W_OK) == 0 &&
               WriteIntoFile(destination, text, reason);
    }
    const bool filled = ::fchmod(descriptor, PermissionsFor(existing)) == 0 &&
                        WriteAll(descriptor, text, 0) && ::fsync(descriptor) == 0;
    bool written = CloseAfterWriting(descriptor, filled, reason);
    if (written && ::rename(temporary.c_str(), destination.c_str()) != 0)
    {
        written = false;
        reason = LastError();
    }
    if (!written)
        ::unlink(temporary.c_str());
    return written;
}
} // namespace

bool WriteOutputFile(const std::string& name, const std::string& text, std::string& reason)
{
    std::filesystem::path destination;
    if (!FindDestination(name, destination, reason))
        return false;
    struct stat existing
    {
    };
    const bool exists = ::stat(destination.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return WriteToDevice(destination, text, reason);
    return ReplaceByRenaming(destination, exists ? &existing : nullptr, text, reason);
}

bool ReadWholeFile(const std::string& name, std::string& bytes)
{
    std::ifstream file(name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    bytes = text.str();
    return !file.bad() && file.is_open();
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat one
    {
    };
    struct stat other
    {
    };
    return ::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &other) == 0 &&
           one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}
