#pragma once

#include <cstdint>
#include <string_view>

// Integer value of a printer offset text as the settings dialog stores it: leading blanks, an
// optional sign, decimal digits. When the text does not read to its end, the digits read before
// the first fault count, without the sign; no digit gives 0.
std::int32_t offsetFromText(std::string_view text);
