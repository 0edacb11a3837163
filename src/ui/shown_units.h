// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/unit_choice.h"

#include <QAbstractTableModel>

class ArmyPlan;
class TallyDocument;

// The catalogue model as the lists show it: every unit, or the units a choice picks out, in
// catalogue order. Everything else in the program speaks of catalogue rows; the lists' rows are
// mapped to them here alone. A unit whose counts change so that it leaves the choice stays
// shown until the choice is made again, so that rows never move under the user's pointer.
class ShownUnits : public QAbstractTableModel
{
    Q_OBJECT

public:
    ShownUnits(QAbstractItemModel *catalogue, const TallyDocument &document, QObject *parent);

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    UnitChoice choice() const { return m_choice; }
    // Shows the units of `choice` as their counts stand now.
    void choose(UnitChoice choice);

    // The catalogue row of a shown row, and the shown row of a catalogue row (-1 if hidden).
    int catalogueRow(int shownRow) const;
    int shownRow(int catalogueRow) const;
    // Shows a hidden unit in its place, for a command that selects it.
    int reveal(int catalogueRow);

    // The armies planned, for the choices by the plan.
    void setPlan(const ArmyPlan *plan);

private:
    void catalogueChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                          const QList<int> &roles);
    void chooseRows();

    QAbstractItemModel *m_catalogue;
    const TallyDocument &m_document;
    const ArmyPlan *m_plan = nullptr;
    UnitChoice m_choice = UnitChoice::All;
    QList<int> m_rows; // the catalogue rows shown, ascending; unused when all are shown
};
