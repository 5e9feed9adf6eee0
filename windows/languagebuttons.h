#pragma once

#include <array>

// objectName and caption (UTF-8) of the radio button of one language.
struct LanguageButton {
    const char *name;
    const char *caption;
};

// The radio buttons of the seven languages, in the order of their codes 1..7, as the settings
// dialog and the language chooser show them.
inline constexpr std::array<LanguageButton, 7> languageButtons{{
    {"lfrancais", "Français"},
    {"langlais", "English"},
    {"lportugais", "Portugues"},
    {"lespagnol", "Español"},
    {"litalien", "Italiano"},
    {"lcroatie", "Hrvatski"},
    {"lallemand", "Deutsch"},
}};
