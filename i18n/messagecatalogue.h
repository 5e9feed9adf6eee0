#pragma once

#include <string>
#include <string_view>
#include <vector>

constexpr int messageCount = 176;
constexpr int languageCount = 7;

// Language indices, the column order of the built-in table.
enum class Language { French = 1, English, Portuguese, Spanish, Italian, Croatian, German };

// Built-in text (UTF-8) of message n in `language`; empty for an empty cell, for a message
// outside 1..176 and for a language outside 1..7.
std::string_view builtinMessage(int n, int language);

// Message n in the current language. `languageFileTexts` holds the loaded language file's
// entries (index = message number) and replaces the built-in table when given; an entry the
// file never filled is empty.
std::string pgloretlibmessage(int n, int language,
                              const std::vector<std::string> *languageFileTexts = nullptr);
