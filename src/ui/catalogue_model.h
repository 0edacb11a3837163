#pragma once

#include "mod_globals.h"

#include <QAbstractTableModel>

#include <future>

// The catalogue and both tallies as one table; each column list of the main window shows
// one of its columns, so the lists cannot disagree about which unit a row holds.
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

    explicit CatalogueModel(modGlobals &globals, QObject *parent = nullptr);

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Replaces the catalogue and both tallies in a single reset. Every tally must have one
    // count per catalogue row.
    void replaceData(modGlobals data);

    // Tells the views that one count text changed.
    void countChanged(int row, Column column);

    // Tells the views that a whole count column changed.
    void countsChanged(Column column);

private:
    modGlobals &m_globals;
    // Waits, when replaced or destroyed, until the data replaced last is freed.
    std::future<void> m_freeing;
};
