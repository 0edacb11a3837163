// SPDX-License-Identifier: GPL-3.0-or-later
#include "linked_columns.h"

#include "shown_units.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QScrollBar>

LinkedColumns::LinkedColumns(const std::array<QListView *, 8> &lists, ShownUnits *shown,
                             QObject *parent)
    : QObject(parent), m_lists(lists), m_shown(shown),
      m_selection(new QItemSelectionModel(shown, this))
{
    for (int column = 0; column < int(m_lists.size()); ++column) {
        QListView *view = m_lists[column];
        view->setModel(m_shown);
        view->setModelColumn(column);
        view->setSelectionModel(m_selection);
        QScrollBar *bar = view->verticalScrollBar();
        connect(bar, &QScrollBar::valueChanged, this, &LinkedColumns::alignTopRows);
        // A list that is laid out later than the others gets the shared top row once it can.
        connect(bar, &QScrollBar::rangeChanged, this, [this, bar] {
            if (!m_aligningTopRows)
                bar->setValue(m_topRow);
        });
    }
}

void LinkedColumns::alignTopRows(int topRow)
{
    // The lists scroll per row, so a scroll bar's value is its top row.
    if (m_aligningTopRows)
        return;
    m_aligningTopRows = true;
    m_topRow = topRow;
    for (QListView *view : m_lists)
        view->verticalScrollBar()->setValue(topRow);
    m_aligningTopRows = false;
}

int LinkedColumns::selectedRow() const
{
    const QItemSelection selection = m_selection->selection();
    return selection.isEmpty() ? -1 : m_shown->catalogueRow(selection.first().top());
}

void LinkedColumns::selectRow(int row)
{
    const int shown = m_shown->reveal(row);
    if (shown < 0) {
        m_selection->clear();
        return;
    }
    // The name column stands for the row, as a click on a name does; a row already selected
    // keeps the column the user is in.
    const QModelIndex index = m_shown->index(shown, 1);
    if (row != selectedRow())
        m_selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    m_lists[1]->scrollTo(index);
}

void LinkedColumns::choose(UnitChoice choice)
{
    const int selected = selectedRow();
    m_shown->choose(choice);
    m_topRow = 0;
    // Something is always selected while units are shown, so that Enter, the price box and
    // the find counter speak of a unit the user can see.
    if (m_shown->shownRow(selected) >= 0)
        selectRow(selected);
    else if (m_shown->rowCount() > 0)
        selectRow(m_shown->catalogueRow(0));
    else
        m_selection->clear();
}
