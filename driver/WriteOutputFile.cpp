#include "driver/WriteOutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string LastError()
{
    return std::strerror(errno);
}

// The file that writing through `name` would change: a symbolic link is followed, so that the
// link stays and its target gets the new text.
std::filesystem::path Destination(const std::string& name)
{
    std::error_code error;
    const std::filesystem::path path(name);
    if (std::filesystem::is_symlink(path, error))
    {
        std::filesystem::path target = std::filesystem::canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

bool WriteAll(int descriptor, const std::string& text)
{
    for (std::size_t written = 0; written < text.size();)
    {
        const ssize_t count = ::write(descriptor, text.data() + written, text.size() - written);
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
bool WriteInPlace(const std::filesystem::path& destination, const std::string& text,
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
        // A folder that takes no new file (a shared folder, say) may still hold a writable
        // file: the whole round is ready, so it is written in place.
        reason = LastError();
        return existing != nullptr && ::access(destination.c_str(), W_OK) == 0 &&
               WriteInPlace(destination, text, reason);
    }
    const bool filled = ::fchmod(descriptor, PermissionsFor(existing)) == 0 &&
                        WriteAll(descriptor, text) && ::fsync(descriptor) == 0;
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
    const std::filesystem::path destination = Destination(name);
    struct stat existing
    {
    };
    const bool exists = ::stat(destination.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return WriteInPlace(destination, text, reason);
    return ReplaceByRenaming(destination, exists ? &existing : nullptr, text, reason);
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
