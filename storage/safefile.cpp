#include "storage/safefile.h"

#include <cerrno>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileWriteResult failure(FileWriteError error, const std::string &what,
                        const std::filesystem::path &file, int code)
{
    return {error, what + " " + file.string() + ": " + std::generic_category().message(code)};
}

// Creates a new file next to `target` under a name no other file has; -1 when none can be made.
int createTemporary(const std::filesystem::path &target, std::filesystem::path &temporary)
{
    std::random_device device;
    std::uniform_int_distribution<std::uint32_t> draw;
    int fd = -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".~" + std::to_string(draw(device)) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            break;
    }
    return fd;
}

// Writes all of `bytes`, resuming after partial writes; false with errno set on failure.
bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

FileWriteResult writeFileAtomically(const std::filesystem::path &target,
                                    std::span<const std::uint8_t> bytes)
{
    // Only a regular file is replaced: a FIFO, a device or a folder standing at the target is
    // not the player's file, and replacing it would hide whatever put it there.
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return {FileWriteError::Replace,
                "cannot replace " + target.string() + ": not a regular file"};

    std::filesystem::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return failure(FileWriteError::CreateTemporary, "cannot create a temporary file for",
                       target, errno);

    // The data must be on disk before the rename makes it the target's content.
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int code = written ? 0 : errno;
    if (::close(fd) != 0 && written)
        code = errno;
    if (code != 0) {
        ::unlink(temporary.c_str());
        return failure(FileWriteError::Write, "cannot write", temporary, code);
    }

    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        code = errno;
        ::unlink(temporary.c_str());
        return failure(FileWriteError::Replace, "cannot replace", target, code);
    }
    return {};
}
