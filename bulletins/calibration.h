#pragma once

#include "bulletins/bulletintypes.h"
#include "bulletins/printcontext.h"

// Numbers whose cells the calibration page marks on each grid: those of the player's grid.
constexpr int calibrationHighestNumber = 49;

// Half the length of each arm of a calibration cross, in cm.
constexpr double calibrationArm = 0.1;

// Prints one page for bulletin type t: a small cross through the mark point of every number
// 1..calibrationHighestNumber of every grid position, placed with the printer shifts as the
// marks of a print run are, and the type's name in the page corner. Lets the player hold the
// page against a bulletin and adjust the shifts. A t outside 1..29 or no print job shows the
// "Erreur dans pimprimecalibrage" box and prints nothing; returns whether the page was printed.
bool pimprimecalibrage(PrintContext &ctx, const BulletinTypeTable &bulletinTypes, int t);
