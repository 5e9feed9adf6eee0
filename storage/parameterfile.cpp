#include "storage/parameterfile.h"

#include "platform/messageboxes.h"
#include "storage/regularfile.h"

#include <filesystem>
#include <system_error>

namespace {

// One whole record from the start of `path`; false when it is no regular file, cannot be read
// or is too short.
bool readRecord(const std::filesystem::path &path, TParamRecord &record)
{
    std::array<std::uint8_t, paramRecordSize> bytes{};
    if (readRegularFile(path.string(), bytes) != paramRecordSize)
        return false;
    record = decodeParamRecord(bytes);
    return true;
}

}  // namespace

std::string parameterFilePath(const std::string &programFolder)
{
    return programFolder + std::string(parameterFileName);
}

bool pchargeparametres(TParamRecord &record, const std::string &programFolder)
{
    const std::filesystem::path path = parameterFilePath(programFolder);
    std::error_code ignored;
    const bool found = std::filesystem::exists(path, ignored);
    if (!found || !readRecord(path, record)) {
        // A damaged file would fail again at every start; it is written afresh at exit. Only a
        // regular file is removed: a folder or a FIFO in its place is no file of ours.
        if (found && std::filesystem::is_regular_file(path, ignored))
            std::filesystem::remove(path, ignored);
        applyParamDefaults(record);
    }
    // A damaged file or one from a newer version may hold any language: outside the seven, the
    // program would have no texts at all, and no way back to them.
    if (record.language < 1 || record.language > 7)
        record.language = 1;
    return found;
}

FileWriteResult psauveparametres(const TParamRecord &record, const std::string &programFolder)
{
    return writeFileAtomically(parameterFilePath(programFolder), encodeParamRecord(record));
}

void showParameterSaveFailure(MessageBoxes &boxes)
{
    boxes.beep();
    boxes.show("Fichier non sauvegardé !!", "Il y a eu un problème", BoxButtons::Ok, BoxIcon::None);
}
