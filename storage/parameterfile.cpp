#include "storage/parameterfile.h"

#include "platform/messageboxes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// One whole record from the start of `path`; false when it cannot be opened or is too short.
bool readRecord(const std::filesystem::path &path, TParamRecord &record)
{
    std::ifstream in(path, std::ios::binary);
    std::array<std::uint8_t, paramRecordSize> bytes{};
    if (!in.read(reinterpret_cast<char *>(bytes.data()), paramRecordSize))
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
        // A damaged file would fail again at every start; it is written afresh at exit.
        if (found && !std::filesystem::is_directory(path, ignored))
            std::filesystem::remove(path, ignored);
        applyParamDefaults(record);
    }
    if (record.language == 0)
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
