#pragma once

#include <array>
#include <cstdint>

// A colour as 0x00BBGGRR: red in the low byte, then green, then blue.
using BgrColor = std::uint32_t;

// Colours of a new gradient: blue at the top, red at the bottom.
constexpr BgrColor defaultGradientStart = 0x00FF0000;
constexpr BgrColor defaultGradientEnd = 0x000000FF;

// Colours of the gradient behind every window: a pale green turning slightly more yellow
// towards the bottom.
constexpr BgrColor windowGradientStart = 14680049;
constexpr BgrColor windowGradientEnd = 11271915;

constexpr int gradientBandCount = 256;

// a * b / c with a 64-bit intermediate, rounded to the nearest integer, halves away from zero.
// Returns -1 when c is 0 or when the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

// One horizontal band of a gradient: rows top (included) to bottom (excluded), filled with
// one colour; a band whose bottom equals its top draws nothing.
struct GradientBand {
    int top;
    int bottom;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The bands that paint a gradient `height` pixels high: band 0 has exactly the start colour,
// band 255 exactly the end colour, and together they cover rows 0 to height - 1 once each.
std::array<GradientBand, gradientBandCount> gradientBands(int height, BgrColor start, BgrColor end);
