#pragma once

#include "bulletins/bulletintypes.h"
#include "bulletins/printcontext.h"
#include "engine/selection.h"
#include "storage/gridfile.h"

// Printer axis of a distance.
enum class Axis { Horizontal = 1, Vertical = 2 };

// How the bulletins of one run are fed.
enum class PrintMode {
    AllAtOnce = 1,  // every bulletin in one go
    OneByOne = 2,   // ask for each bulletin after the first to be inserted
};

// What the user asked to print onto bulletins.
struct BulletinPrintRequest {
    int bulletinType = 0;  // 1..29
    PrintMode mode = PrintMode::AllAtOnce;
    int first = 1;  // grids first..last, 1-based, inclusive
    int last = 0;
    bool numbered = false;  // write the first grid number of each bulletin in the page corner
};

// Device units of a distance in cm from the paper's corner along one axis, with that axis's
// printer shift of the settings; the printer's resolution and printable-area offset are read
// at every call. Rounded to nearest, halves to even; saturates at the int range.
int pconvertitcm(PrintContext &ctx, Axis axis, double cm);

// Draws the mark of number n of the grid at position p (1-based) of the current bulletin of
// type t. Any n is marked where the layout puts it; a t outside 1..29 shows the "Erreur dans
// pcochenumerosurgrille" box and draws nothing.
void pcochenumerosurgrille(PrintContext &ctx, const BulletinTypeTable &bulletinTypes, int n, int p,
                           int t);

// Prints grids first..last of `method` (its grid count `nbgrilles`) expanded over the ticked
// numbers onto bulletins, in one print job; the whole method when the range does not fit.
// Refills `bulletinTypes`; `gridsPerBulletinOverride` > 0 replaces the type's grids per
// bulletin. Cancel at the next-bulletin prompt ends the run, no further page being started.
// No job (printer unavailable) or a bad type shows the "Erreur dans pimprimebulletin" box.
// Returns the number of grids printed.
int pimprimebulletin(PrintContext &ctx, BulletinTypeTable &bulletinTypes, Selection &s, int method,
                     int nbgrilles, const BulletinPrintRequest &request,
                     int gridsPerBulletinOverride);

// Prints the grids of lines first..last of an external file (after its skipped lines) onto
// bulletins of the request's type, each line's fields 1..6 marked in field order. The file is
// opened before the print job starts, so a missing or unreadable file prints nothing. Any
// failure (file, printer, bad type) shows the "Erreur dans Pimprimebulletinfichier" box; pages
// already printed stay printed. Returns the number of lines printed, which the grid preview
// shows as its rows 1..printed.
int Pimprimebulletinfichier(PrintContext &ctx, const BulletinTypeTable &bulletinTypes,
                            const ExternalGridFile &file, const BulletinPrintRequest &request);
