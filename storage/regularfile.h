#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Opens `path` for reading when, and only when, it names a regular file. A FIFO, a device or a
// folder is refused without waiting for a writer: the check and the open cannot block, even if
// a FIFO takes the file's place in between. Returns the descriptor (the caller closes it), or
// -1 when the path cannot be opened as a regular file.
int openRegularFile(const std::string &path);

// Fills `bytes` from the start of the regular file `path`. Returns how many bytes were read
// (fewer than asked at the end of a short file), or nullopt when the file cannot be opened as a
// regular file or reading fails.
std::optional<std::size_t> readRegularFile(const std::string &path, std::span<std::uint8_t> bytes);
