#include "windows/gradientbands.h"

#include <cstdlib>
#include <limits>

namespace {

int redOf(BgrColor colour)
{
    return static_cast<int>(colour & 0xFF);
}
int greenOf(BgrColor colour)
{
    return static_cast<int>((colour >> 8) & 0xFF);
}
int blueOf(BgrColor colour)
{
    return static_cast<int>((colour >> 16) & 0xFF);
}

std::uint8_t lowByte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    std::int64_t quotient = product / c;
    // The division truncates towards zero; a remainder of half the divisor or more moves the
    // result one step further from zero.
    if (2 * std::abs(product % c) >= std::abs(std::int64_t{c}))
        quotient += (product < 0) == (c < 0) ? 1 : -1;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(quotient);
}

std::array<GradientBand, gradientBandCount> gradientBands(int height, BgrColor start, BgrColor end)
{
    const int red0 = redOf(start);
    const int green0 = greenOf(start);
    const int blue0 = blueOf(start);
    const int redStep = redOf(end) - red0;
    const int greenStep = greenOf(end) - green0;
    const int blueStep = blueOf(end) - blue0;
    // Heights are split in 256 parts but colours in 255 steps, so that the last band reaches
    // the end colour exactly.
    constexpr int colourSteps = gradientBandCount - 1;

    std::array<GradientBand, gradientBandCount> bands{};
    for (int i = 0; i < gradientBandCount; ++i) {
        bands[static_cast<std::size_t>(i)] = {
            MulDiv(i, height, gradientBandCount),
            MulDiv(i + 1, height, gradientBandCount),
            lowByte(red0 + MulDiv(i, redStep, colourSteps)),
            lowByte(green0 + MulDiv(i, greenStep, colourSteps)),
            lowByte(blue0 + MulDiv(i, blueStep, colourSteps)),
        };
    }
    return bands;
}
