#include "windows/comparisonlistmodel.h"

#include "compare/comparison.h"

#include <algorithm>
#include <limits>

namespace {

// A view counts its rows in int: lines beyond are compared and counted but not shown.
int rowsOf(const ComparisonList &list)
{
    return static_cast<int>(std::min<std::size_t>(list.size(), std::numeric_limits<int>::max()));
}

}  // namespace

ComparisonListModel::ComparisonListModel(const ComparisonList &list, QObject *parent)
    : QAbstractListModel(parent), m_list(list), m_shown(rowsOf(list))
{
}

void ComparisonListModel::reload()
{
    beginResetModel();
    m_shown = rowsOf(m_list);
    endResetModel();
}

void ComparisonListModel::showAddedLines()
{
    const int rows = rowsOf(m_list);
    if (rows > m_shown) {
        beginInsertRows(QModelIndex(), m_shown, rows - 1);
        m_shown = rows;
        endInsertRows();
    }
}

int ComparisonListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant ComparisonListModel::data(const QModelIndex &index, int role) const
{
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || row >= m_list.size())
        return {};
    return QString::fromStdString(m_list.lineText(row));
}
