#pragma once

#include "bulletins/bulletintypes.h"
#include "bulletins/printcontext.h"
#include "engine/methodcatalogue.h"
#include "engine/selection.h"
#include "i18n/languagefile.h"
#include "storage/gridfile.h"
#include "storage/paramrecord.h"

#include <array>
#include <cstdint>

#include <string>
#include <vector>

// Run-time state of the program, owned by the main window for the whole run and handed by
// reference to every window that reads or changes it. Plain data: a window that must hear of a
// change is told by a signal of the window that made it.
struct AppState {
    std::string programFolder;  // folder of the executable, ending with a separator

    MethodTable tabmethode{};
    Selection selection;
    TParamRecord params;
    bool parameterFileFound = false;

    // Texts of the method list as shown, and the position of its selected item (-1: none).
    std::vector<MethodListItem> methodList;
    int methodListIndex = -1;

    // The bulletin types, filled at the first activation.
    BulletinTypeTable bulletinTypes{};

    // The language file; while it is loaded, its texts replace the built-in messages.
    Tgerelanguage languageFile;

    // The last accepted draw of the comparison window, index 1..7: list position + 1 of each box.
    std::array<std::int32_t, 8> rememberedDraw{};

    // Page 1..5 of the external-file wizard.
    std::int32_t filePage = 0;

    // Entry n (1..100) is the number that stands for n in an external grid file.
    ReplacementMap replacementMap = identityReplacement();

    // Message n in the current language.
    std::string message(int n) const;

    // The words of the method labels in the current language.
    LabelWords labelWords() const;

    // Method number of the selected list item; -1 when nothing is selected or unreadable.
    int pnumeromethode() const;

    // The catalogue record of a method 1..157, or nullptr outside that range.
    const Tmethode *method(int m) const;

    // Grid count of the method selected in the method list; 0 when none is selected.
    int selectedGridCount() const;

    // What the print routines print on (`printer`) and report with (`boxes`), in the current
    // language and with the player's printer shifts. The context refers to this state.
    PrintContext printContext(Printer &printer, MessageBoxes &boxes) const;
};
