#include "fuzz/fuzztempfile.h"

#include "fuzz/fuzzcheck.h"

#include <cerrno>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

FuzzTempFile::FuzzTempFile()
{
    const std::string pattern =
        (std::filesystem::temp_directory_path() / "mirazol-fuzz-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    fuzzCheck(fd >= 0);
    ::close(fd);
    m_name = name.data();
}

FuzzTempFile::~FuzzTempFile()
{
    ::unlink(m_name.c_str());
}

void FuzzTempFile::write(const std::uint8_t *data, std::size_t size) const
{
    const int fd = ::open(m_name.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    fuzzCheck(fd >= 0);
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        fuzzCheck(written > 0);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    ::close(fd);
}
