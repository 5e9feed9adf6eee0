#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/gridfile.h"

// One replacement box of the wizard: its tag (the number it replaces) and its text.
struct ReplacementBox {
    int tag = 0;
    std::string text;
};

// The replacement map of the boxes: every number stands for itself, except the tag of a box
// whose tag lies in 1..100 and whose text is numeric, which stands for that value. Boxes with
// other tags or with empty or non-numeric text change nothing.
ReplacementMap pconstruitremplacement(std::span<const ReplacementBox> boxes);

// Text and title of the box that reports a failed preview.
constexpr std::string_view previewFailureText = "Erreur";
constexpr std::string_view previewFailureTitle = "Erreur dans pchargegrille";

// Fields shown per grid line in the preview grids.
constexpr int previewFieldCount = 10;

// The content of a preview grid: a header row 0 that stays empty, then one row per line read,
// with the row number in column 0 and the line's first ten fields in columns 1..10. Each row
// keeps only the bytes of those fields; a cell's text is built when asked for.
class GridPreview {
public:
    // Empties the preview, as when the grid is reset to its header and one empty row.
    void clear();

    // Grid lines loaded.
    std::size_t lineCount() const;

    // Rows the grid shows, header included: one more than the lines, and 2 when none.
    std::size_t rowCount() const;

    // Text of the cell in `column` (0..10) of `row` (1..lineCount()) as UTF-8: the row number
    // in column 0, a field otherwise (as read, or trimmed and replaced when the preview was
    // loaded so). Field bytes that are not UTF-8 are read as Windows-1252. Empty for the header
    // row and for any cell outside the loaded rows and columns.
    std::string cellText(int column, std::size_t row) const;

    // Starts a load: no rows, fields cut at `separator`, shown as read or, with `replace`,
    // trimmed and replaced through `map`.
    void restart(char separator, bool replace, const ReplacementMap &map);

    // Appends a row holding fields 1..10 of `line`.
    void addLine(std::string_view line);

private:
    std::string_view rawField(int field, std::size_t row) const;

    // Each row keeps its line up to the end of its last non-empty field among 1..10, the rows
    // one after the other; row r spans m_ends[r - 2] (0 for the first) to m_ends[r - 1].
    std::string m_fields;
    std::vector<std::size_t> m_ends;
    char m_separator = ' ';
    bool m_replace = false;
    ReplacementMap m_map{};
};

// Fills `preview` from the grid file of `source` (pchargegrille): at most `maxLines` lines,
// all when maxLines is 0 or less; with `replace`, fields are shown trimmed and with numbers
// 1..100 replaced through `map`, otherwise as read. On failure the rows loaded so far stay and
// the outcome carries the reader's message.
GridFileOutcome pchargegrille(GridPreview &preview, const GridFileSource &source,
                              std::int32_t maxLines, const ReplacementMap &map, bool replace);
