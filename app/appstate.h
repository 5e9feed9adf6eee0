#pragma once

#include "engine/methodcatalogue.h"
#include "engine/selection.h"
#include "i18n/messagecatalogue.h"
#include "storage/paramrecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Run-time state of the program, owned by the main window for the whole run and handed by
// reference to every window that reads or changes it.
struct AppState {
    std::string programFolder;  // folder of the executable, ending with a separator

    MethodTable tabmethode{};
    Selection selection;
    TParamRecord params;
    bool parameterFileFound = false;

    // Texts of the method list as shown, and the position of its selected item (-1: none).
    std::vector<MethodListItem> methodList;
    int methodListIndex = -1;

    std::array<std::int32_t, 8> rememberedDraw{};  // index 1..7
    std::int32_t filePage = 0;
    std::array<std::int32_t, 101> replacementMap{};

    // Entries of the loaded language file (index = message number); empty when none is loaded.
    bool languageFileLoaded = false;
    std::vector<std::string> languageFileTexts;

    // Called after every grid expansion, so that the viewer's cells follow `tabgrille`.
    std::function<void()> gridExpanded;

    // Message n in the current language.
    std::string message(int n) const
    {
        return pgloretlibmessage(n, params.language, languageFileLoaded ? &languageFileTexts : nullptr);
    }

    LabelWords labelWords() const
    {
        return {message(64), message(65), message(66), message(67), message(68)};
    }

    // Method number of the selected list item; -1 when nothing is selected or unreadable.
    int pnumeromethode() const
    {
        if (methodListIndex < 0 || methodListIndex >= static_cast<int>(methodList.size()))
            return -1;
        return methodNumberFromItem(methodList[static_cast<std::size_t>(methodListIndex)].text);
    }

    // The catalogue record of a method 1..157, or nullptr outside that range.
    const Tmethode *method(int m) const
    {
        return m >= 1 && m <= methodCount ? &tabmethode[static_cast<std::size_t>(m)] : nullptr;
    }

    // Expands grid i of the current consumer and lets the viewer repaint.
    void pdeveloppegrille(int i)
    {
        if (::pdeveloppegrille(selection, i) && gridExpanded)
            gridExpanded();
    }
};
