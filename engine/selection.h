#pragma once

#include <array>
#include <cstdint>

// The player's numbers and the grid iteration state that every grid window shares.
struct Selection {
    std::array<std::int16_t, 100> tabcoche{};   // 1 = number ticked, index 0..99
    std::array<std::int16_t, 100> tabnumsel{};  // slots 1..99: number of each position, 0 = empty
    std::array<std::int16_t, 100> tabgrille{};  // 1 = number of the grid last expanded
    std::int32_t grillecourante = 0;
    std::int32_t nbgrillescourant = 0;
    std::int32_t methodecourante = 0;
};

// How many of the numbers 1..99 are ticked.
int pcomptecoche(const Selection &s);

// Clears `tabnumsel` and `tabcoche` (the cells are the caller's to repaint).
void pdecochetout(Selection &s);

// Rebuilds `tabnumsel` from `tabcoche` in ascending order.
void pconstruitnumsel(Selection &s);

// Stores n in the first empty slot among 1..98; nothing when none is free.
void pajoutenumsel(Selection &s, int n);

// Removes the first slot among 1..98 holding n, moving the later slots down.
void pretirenumsel(Selection &s, int n);

// Ticks n (1..99) and appends it to `tabnumsel`, or unticks and removes it when already ticked.
// Returns the new state of n.
bool basculecoche(Selection &s, int n);

// Starts a consumer on `method`: grid 1, that method, its grid count.
void pcommenceparcours(Selection &s, int method, int nbgrilles);

// Expands grid i of `methodecourante` into `tabgrille`; an index above `nbgrillescourant`
// changes nothing. Returns whether `tabgrille` was rewritten.
bool pdeveloppegrille(Selection &s, int i);
