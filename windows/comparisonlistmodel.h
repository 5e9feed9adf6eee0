#pragma once

#include <QAbstractListModel>

class ComparisonList;

// The lines of a comparison as a list model: one row per compared grid, its text built only when
// a view asks for it, so that a million lines cost the list's compact storage and nothing more.
class ComparisonListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Shows `list`, which the caller owns and keeps alive as long as the model.
    ComparisonListModel(const ComparisonList &list, QObject *parent);

    // Shows the list anew, after it was restarted (and maybe filled again).
    void reload();

    // Tells the views of the lines appended to the list since the last reload or call.
    void showAddedLines();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const ComparisonList &m_list;
    // Lines the views have been told of.
    int m_shown = 0;
};
