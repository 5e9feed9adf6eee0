#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A temporary file that fuzz targets rewrite with each input; removed when the process ends.
class FuzzTempFile {
public:
    FuzzTempFile();
    ~FuzzTempFile();
    FuzzTempFile(const FuzzTempFile &) = delete;
    FuzzTempFile &operator=(const FuzzTempFile &) = delete;

    // Replaces the file's content by the given bytes; aborts when it cannot.
    void write(const std::uint8_t *data, std::size_t size) const;
    // Full path of the file.
    const std::string &name() const { return m_name; }

private:
    std::string m_name;
};
