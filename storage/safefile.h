#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Why a whole-file write failed.
enum class FileWriteError {
    None,
    CreateTemporary,  // no temporary file could be created next to the target
    Write,            // writing, flushing or closing the temporary file failed
    Replace,          // the temporary file could not be renamed over the target
};

// Outcome of a whole-file write: `error` is None on success, otherwise `message` says why.
struct FileWriteResult {
    FileWriteError error = FileWriteError::None;
    std::string message;

    explicit operator bool() const { return error == FileWriteError::None; }
};

// Replaces `target` by exactly `bytes`: they go to a new temporary file in the target's folder,
// which is flushed, closed and renamed over the target. On failure the temporary file is removed
// and whatever stood at `target` before is left untouched. A target that exists but is no
// regular file (a FIFO, a device, a folder) is refused.
FileWriteResult writeFileAtomically(const std::filesystem::path &target,
                                    std::span<const std::uint8_t> bytes);
