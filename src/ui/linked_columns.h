// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/unit_choice.h"

#include <QObject>

#include <array>

class QItemSelectionModel;
class QListView;
class ShownUnits;

// Eight lists that behave as one table: they show the columns of one model, share one
// selection of whole rows and one top row, so that selecting or scrolling in any of them does
// the same in all. Rows here are catalogue rows; which of them the lists show is `shown`'s.
class LinkedColumns : public QObject
{
    Q_OBJECT

public:
    LinkedColumns(const std::array<QListView *, 8> &lists, ShownUnits *shown, QObject *parent);

    // The selected catalogue row, or -1 when none is selected.
    int selectedRow() const;

    // Selects `row` in every column and scrolls it into view, showing it if the choice hid
    // it; -1 clears the selection.
    void selectRow(int row);

    // Shows the units of `choice`; the selected unit stays selected when it is among them, and
    // else the first unit shown is selected.
    void choose(UnitChoice choice);
    ShownUnits *shown() const { return m_shown; }

    // The selection all eight lists share.
    QItemSelectionModel *selection() const { return m_selection; }

private:
    void alignTopRows(int topRow);

    std::array<QListView *, 8> m_lists;
    ShownUnits *m_shown;
    QItemSelectionModel *m_selection;
    int m_topRow = 0;
    bool m_aligningTopRows = false;
};
