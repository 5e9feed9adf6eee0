#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The value of a text that converts in full to a 32-bit signed integer: optional leading
// blanks, an optional sign, then decimal digits, or hexadecimal digits after "$", "x" or "0x"
// (either case). Empty text, a value out of range, any other character or a trailing blank
// give nullopt.
std::optional<std::int32_t> pestnumerique(std::string_view text);
