#include "engine/randomselection.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <numeric>

namespace {

constexpr int generalLayout = 6;
constexpr int cellBound = 49;
constexpr int candidateSlots = 99;

}  // namespace

std::mt19937 freshGenerator()
{
    std::random_device device;
    const auto clock = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seeds{device(), device(), static_cast<unsigned>(clock),
                        static_cast<unsigned>(static_cast<unsigned long long>(clock) >> 32)};
    return std::mt19937(seeds);
}

int randomBound(int randomMax, int displayLayout)
{
    int bound = randomMax;
    if (displayLayout != generalLayout)
        bound = std::min(bound, cellBound);
    // The setting comes from a file; the candidate list has 99 slots.
    return std::clamp(bound, 0, candidateSlots);
}

std::vector<int> paleatoire(Selection &s, int count, int randomMax, int displayLayout,
                            std::mt19937 &generator)
{
    pdecochetout(s);
    std::array<int, candidateSlots> candidates{};
    std::iota(candidates.begin(), candidates.end(), 1);
    int bound = randomBound(randomMax, displayLayout);

    std::vector<int> drawn;
    for (int k = 0; k < count && bound > 0; ++k) {
        std::uniform_int_distribution<int> pick(0, bound - 1);
        const auto slot = candidates.begin() + pick(generator);
        const int x = *slot;
        pajoutenumsel(s, x);
        s.tabcoche[static_cast<std::size_t>(x)] = 1;
        drawn.push_back(x);
        std::copy(slot + 1, candidates.begin() + bound, slot);
        --bound;
    }
    return drawn;
}
