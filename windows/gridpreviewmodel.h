#pragma once

#include "compare/externalgrids.h"
#include "storage/gridfile.h"

#include <QAbstractTableModel>

#include <cstdint>

// The table behind a preview grid of the external-file wizard: row 0 is an empty header row,
// row j holds the j-th line read with its ordinal in column 0 and its first ten fields in
// columns 1..10. Only the compact preview is kept; each cell's text is built when shown.
class GridPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridPreviewModel(QObject *parent = nullptr);

    // Empties the grid back to its header row and one empty row.
    void clear();

    // Loads at most `maxLines` lines of `source` (all when 0), as read or, with `replace`,
    // trimmed and replaced through `map`. On failure the rows read so far stay shown.
    GridFileOutcome load(const GridFileSource &source, std::int32_t maxLines,
                         const ReplacementMap &map, bool replace);

    // Makes the grid count rows 1..count, each with its ordinal in column 0; the other cells of
    // those rows keep what they showed. A count below 1 changes nothing.
    void showOrdinals(qsizetype count);

    // Rows of the grid, the header row included.
    int rowCount(const QModelIndex &parent = {}) const override;
    // Always 11: the ordinal and ten fields.
    int columnCount(const QModelIndex &parent = {}) const override;
    // The cell's text for the display role; nothing for the other roles.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    GridPreview m_preview;
    // Rows shown for their ordinal since the last load; 0: the preview decides the rows.
    qsizetype m_ordinals = 0;
};
