#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The program's settings: the exact content of the parameter file, 40 bytes little-endian.
struct TParamRecord {
    std::int32_t reserved1 = 0;
    std::int32_t language = 0;
    std::int32_t offsetHorizontal = 0;
    std::int32_t offsetVertical = 0;
    std::int32_t displayLayout = 0;
    std::int32_t randomMax = 0;
    std::int16_t printBulletinIndex = 0;
    std::array<std::uint8_t, 14> reserved2{};

    bool operator==(const TParamRecord &) const = default;
};

constexpr std::size_t paramRecordSize = 40;

// The 40 bytes of the record as the parameter file holds them.
std::array<std::uint8_t, paramRecordSize> encodeParamRecord(const TParamRecord &record);

// The record held by 40 bytes of a parameter file.
TParamRecord decodeParamRecord(std::span<const std::uint8_t, paramRecordSize> bytes);

// Sets language, offsets, display layout, random maximum and print list position to their
// defaults; the reserved bytes keep their content.
void applyParamDefaults(TParamRecord &record);
