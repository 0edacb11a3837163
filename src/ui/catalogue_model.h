#pragma once

#include "mod_globals.h"

#include <QAbstractTableModel>

// The catalogue and both tallies as one table; each column list of the main window shows
// one of its columns, so the lists cannot disagree about which unit a row holds.
class CatalogueModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
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

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Replaces the catalogue in a single reset. The tallies keep the counts of the rows that
    // remain and get "0" for new rows, so every column again has one row per unit.
    void setCatalogue(UnitCatalogue catalogue);

private:
    modGlobals &m_globals;
};
