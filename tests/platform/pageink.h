#pragma once

#include "platform/fakes/fakeplatform.h"

#include <QImage>
#include <QRect>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// True when poppler's pdftoppm can be run.
bool canRasterise();

// Page `page` (1-based) of `pdf` rasterised by pdftoppm at 600 dpi, in grey levels, one pixel
// per 600-dpi dot of the paper; nullopt when pdftoppm fails. `work` receives the PNG.
std::optional<QImage> rasterisePage(const std::filesystem::path &pdf, int page,
                                    const std::filesystem::path &work);

// Bounding boxes of the connected patches of ink (pixels darker than mid-grey, 8-connected),
// top to bottom, then left to right.
std::vector<QRect> inkPatches(const QImage &page);

// Where the ink of each mark that `printer` recorded on `page` should lie on the paper, in
// 600-dpi pixels, the recording's resolution and printable-area offset being those of the
// device that printed: an "X" as the tight box of its glyph in the bold "Fixedsys" print font,
// a line as its pen's rectangle with square caps.
std::vector<QRect> expectedInk(const RecordingPrinter &printer, int page);

// The expected boxes that no patch of ink matches within `tolerance` pixels, each patch serving
// one box only.
std::vector<QRect> unmatched(std::vector<QRect> patches, const std::vector<QRect> &expected,
                             int tolerance);

// Text of a box list, for failure messages.
std::string describe(const std::vector<QRect> &boxes);

// Prints a box in test failure messages.
void PrintTo(const QRect &box, std::ostream *out);

// True when every corner of `actual` lies within `tolerance` pixels of that of `expected`.
bool near(const QRect &actual, const QRect &expected, int tolerance);
