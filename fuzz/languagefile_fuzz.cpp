// Loads a language file. Byte 0 of the input is the current language index (0 to 255, so that
// indices outside 1..7 are tried too); the rest is the file. Whatever the file, the load ends
// without a crash, and every text of a loaded file is valid UTF-8 without a separator or a
// line end.

#include "fuzz/fuzzcheck.h"
#include "fuzz/fuzztempfile.h"
#include "i18n/languagefile.h"
#include "storage/displaytext.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool isCleanText(std::string_view text)
{
    return isValidUtf8(text) && text.find_first_of(";\r\n") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const FuzzTempFile file;
    if (size < 1)
        return 0;
    file.write(data + 1, size - 1);
    Tgerelanguage table;
    table.FileName = file.name();
    const bool loaded = table.Load(data[0]);
    fuzzCheck(loaded == table.Loaded);
    fuzzCheck(table.Texts.size() == static_cast<std::size_t>(languageFileEntryCount + 1));
    fuzzCheck((table.messageTexts() != nullptr) == loaded);
    if (!loaded)
        return 0;
    fuzzCheck(isCleanText(table.HeaderText1) && isCleanText(table.HeaderText2));
    std::string text;
    for (int n = 0; n <= languageFileEntryCount + 1; ++n) {
        table.GetText(n, text);
        fuzzCheck(isCleanText(text));
    }
    return 0;
}
