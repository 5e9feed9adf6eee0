#include "platform/dialogstart.h"

#include <filesystem>

DialogStart dialogStart(const FileDialogOptions &options, const std::string &lastPath)
{
    const bool pattern = options.initialName.find('*') != std::string::npos;
    if (!options.initialName.empty() && !pattern)
        return {{}, options.initialName};
    if (lastPath.empty())
        return {};
    const std::filesystem::path last(lastPath);
    return {last.parent_path().string(), pattern ? std::string() : last.filename().string()};
}
