#pragma once

#include <string>
#include <string_view>

// Whether bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Bytes of a file made fit for display as UTF-8: kept when they are valid UTF-8, else read as
// Windows-1252. Never fails: a byte without a character becomes U+FFFD.
std::string displayText(std::string_view bytes);

// Bytes in the 8-bit code page `codePage` (an iconv name such as "WINDOWS-1252") converted to
// UTF-8. A byte the code page leaves undefined becomes U+FFFD; an unknown code page keeps the
// ASCII bytes and turns every other byte into U+FFFD.
std::string decodeCodePage(std::string_view bytes, const char *codePage);
