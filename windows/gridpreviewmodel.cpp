#include "windows/gridpreviewmodel.h"

#include <algorithm>
#include <climits>
#include <cstddef>

GridPreviewModel::GridPreviewModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void GridPreviewModel::clear()
{
    beginResetModel();
    m_preview.clear();
    m_ordinals = 0;
    endResetModel();
}

GridFileOutcome GridPreviewModel::load(const GridFileSource &source, std::int32_t maxLines,
                                       const ReplacementMap &map, bool replace)
{
    beginResetModel();
    GridFileOutcome outcome = pchargegrille(m_preview, source, maxLines, map, replace);
    m_ordinals = 0;
    endResetModel();
    return outcome;
}

void GridPreviewModel::showOrdinals(qsizetype count)
{
    if (count < 1)
        return;
    // The view counts rows in int; a longer count stops at the last row it can show.
    const qsizetype ordinals = std::min<qsizetype>(count, INT_MAX - 1);
    const int old = rowCount();
    const int rows = static_cast<int>(ordinals + 1);
    if (rows > old) {
        beginInsertRows({}, old, rows - 1);
        m_ordinals = ordinals;
        endInsertRows();
    } else if (rows < old) {
        beginRemoveRows({}, rows, old - 1);
        m_ordinals = ordinals;
        endRemoveRows();
    } else {
        m_ordinals = ordinals;
    }
    // Row 1 of an empty preview was blank; as an ordinal row it shows its number now.
    if (m_preview.lineCount() == 0)
        emit dataChanged(index(1, 0), index(1, 0), {Qt::DisplayRole});
}

int GridPreviewModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_ordinals > 0 ? static_cast<int>(m_ordinals + 1)
                          : static_cast<int>(m_preview.rowCount());
}

int GridPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : previewFieldCount + 1;
}

QVariant GridPreviewModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() == 0)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    // Past the lines read, a row shown for its ordinal holds only that ordinal.
    if (index.column() == 0 && (row <= m_preview.lineCount() || index.row() <= m_ordinals))
        return QString::number(index.row());
    return QString::fromStdString(m_preview.cellText(index.column(), row));
}
