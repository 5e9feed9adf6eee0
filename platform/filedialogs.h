#pragma once

#include <optional>
#include <string>

// What a file open or save dialog is asked to show and enforce.
struct FileDialogOptions {
    std::string title;
    std::string filter;            // "Name (*.ext)|*.ext", pairs separated by '|'
    std::string initialName;       // initial file name, may be a pattern such as "*.mzl"
    std::string defaultExtension;  // added to a typed name without extension, without the dot
    bool hideReadOnly = false;
    bool pathMustExist = false;
    bool fileMustExist = false;
};

// File open and save dialogs. Paths are UTF-8; nullopt when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> openFile(const FileDialogOptions &options) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogOptions &options) = 0;
};
