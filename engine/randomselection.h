#pragma once

#include "engine/selection.h"

#include <random>
#include <vector>

// A generator seeded from the clock and std::random_device, so that two selections made one
// after the other never depend on each other.
std::mt19937 freshGenerator();

// Highest number a random selection may tick: `randomMax`, limited to 49 unless the General
// layout (6) is shown, and always within 0..99.
int randomBound(int randomMax, int displayLayout);

// Replaces the selection by `count` distinct numbers drawn from 1..randomBound(...), each draw
// uniform over the numbers not yet drawn. Unticks everything first; stops early when the
// candidates run out. Returns the numbers in draw order, which is also their order in `tabnumsel`.
std::vector<int> paleatoire(Selection &s, int count, int randomMax, int displayLayout,
                            std::mt19937 &generator);
