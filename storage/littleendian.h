#pragma once

#include <cstdint>

// Little-endian integers of the program's binary records, assembled byte by byte so that the
// files read the same on any machine.

inline void putInt32(std::uint8_t *out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

inline void putInt16(std::uint8_t *out, std::int16_t value)
{
    const auto bits = static_cast<std::uint16_t>(value);
    out[0] = static_cast<std::uint8_t>(bits);
    out[1] = static_cast<std::uint8_t>(bits >> 8);
}

inline std::int32_t getInt32(const std::uint8_t *in)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

inline std::int16_t getInt16(const std::uint8_t *in)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(in[0] | (in[1] << 8)));
}
