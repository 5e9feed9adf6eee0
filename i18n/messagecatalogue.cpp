#include "i18n/messagecatalogue.h"

#include "i18n/messagetable.h"

#include <algorithm>

std::string_view builtinMessage(int n, int language)
{
    if (language < 1 || language > languageCount)
        return {};
    const auto rows = messageRows();
    const auto row =
        std::lower_bound(rows.begin(), rows.end(), n,
                         [](const MessageRow &r, int value) { return r.number < value; });
    if (row == rows.end() || row->number != n)
        return {};
    return row->texts[static_cast<std::size_t>(language - 1)];
}

std::string pgloretlibmessage(int n, int language,
                              const std::vector<std::string> *languageFileTexts)
{
    if (languageFileTexts) {
        if (n >= 0 && static_cast<std::size_t>(n) < languageFileTexts->size())
            return (*languageFileTexts)[static_cast<std::size_t>(n)];
        return {};
    }
    return std::string(builtinMessage(n, language));
}
