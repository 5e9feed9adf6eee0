#pragma once

#include "bulletins/printcontext.h"
#include "engine/selection.h"
#include "platform/filedialogs.h"
#include "storage/gridfile.h"

// What a list routine does with the grids.
enum class ListMode {
    Print = 0,   // a list on plain paper, "LISTE DES BULLETINS"
    Export = 1,  // a text file chosen by the user, one " 3, 11, 19" line per grid, CR LF
};

// Lists every grid of `method` (its grid count `nbgrilles`) expanded over the ticked numbers,
// numbers 1..49 only. Export asks for the file first: cancelling does nothing; the file is
// replaced whole or, when it cannot be written, left as it was and the "Erreur dans
// pimprimelistebulletin" box shown. A printer that starts no job shows the same box.
void pimprimelistebulletin(PrintContext &ctx, FileDialogs &dialogs, Selection &s, int method,
                           int nbgrilles, ListMode mode);

// Lists the grids of an external file, one per line after its skipped lines, with fields 1..6
// taken as numbers through its replacement map. Export asks for the target first: cancelling
// does nothing; the target is written whole only when the source was read to its end. Any
// failure (source missing or unreadable, target not writable, printer) shows the "Erreur dans
// Pimprimelistebulletinfichier" box; a source that cannot be opened starts no print job.
void Pimprimelistebulletinfichier(PrintContext &ctx, FileDialogs &dialogs,
                                  const ExternalGridFile &file, ListMode mode);
