#pragma once

#include <QObject>

#include <array>

class QAbstractItemModel;
class QItemSelectionModel;
class QListView;

// Eight lists that behave as one table: they show the columns of one model, share one
// selection of whole rows and one top row, so that selecting or scrolling in any of them does
// the same in all.
class LinkedColumns : public QObject
{
    Q_OBJECT

public:
    LinkedColumns(const std::array<QListView *, 8> &lists, QAbstractItemModel *model,
                  QObject *parent);

    // The selected row, or -1 when none is selected.
    int selectedRow() const;

    // Selects `row` in every column and scrolls it into view; -1 clears the selection.
    void selectRow(int row);

    // The selection all eight lists share.
    QItemSelectionModel *selection() const { return m_selection; }

private:
    void alignTopRows(int topRow);

    std::array<QListView *, 8> m_lists;
    QAbstractItemModel *m_model;
    QItemSelectionModel *m_selection;
    int m_topRow = 0;
    bool m_aligningTopRows = false;
};
