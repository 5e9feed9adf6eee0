#pragma once

#include "platform/filedialogs.h"

#include <string>

// Where a file dialog opens: its folder and the file name it proposes (either may be empty).
struct DialogStart {
    std::string folder;
    std::string fileName;
};

// The start of a dialog that the player last confirmed on `lastPath` (empty: never during this
// run). An initial name that names a file wins; otherwise the dialog opens in the last path's
// folder, proposing the last file name again unless the initial name is a pattern ("*.mzl").
DialogStart dialogStart(const FileDialogOptions &options, const std::string &lastPath);
