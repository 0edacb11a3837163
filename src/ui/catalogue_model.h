// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/tally_document.h"

#include <QAbstractTableModel>

// The catalogue and both tallies as one table; each column list of the main window shows
// one of its columns, so the lists cannot disagree about which unit a row holds. It shows the
// document and follows its changes.
class CatalogueModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        IdColumn,
        NameColumn,
        StrengthColumn,
        FactionColumn,
        RarityColumn,
        PointValueColumn,
        CollectionColumn,
        ArmyColumn,
        ColumnCount
    };

    explicit CatalogueModel(TallyDocument &document, QObject *parent = nullptr);

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    static Column countColumn(WhichTally which);

private:
    // Tells the views which count texts changed: one, or the whole column.
    void tallyChanged(WhichTally which, int row);
    // A reload: a reset when the number of units changes, otherwise every text changed.
    void catalogueAboutToBeReplaced(int rows);
    void catalogueReplaced();

    const modGlobals &m_globals;
    bool m_resetting = false;
};
