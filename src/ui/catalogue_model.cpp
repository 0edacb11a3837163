// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_model.h"

CatalogueModel::CatalogueModel(TallyDocument &document, QObject *parent)
    : QAbstractTableModel(parent), m_globals(document.data())
{
    connect(&document, &TallyDocument::catalogueAboutToBeReplaced, this,
            &CatalogueModel::catalogueAboutToBeReplaced);
    connect(&document, &TallyDocument::catalogueReplaced, this, &CatalogueModel::catalogueReplaced);
    connect(&document, &TallyDocument::tallyChanged, this, &CatalogueModel::tallyChanged);
}

CatalogueModel::Column CatalogueModel::countColumn(WhichTally which)
{
    return which == WhichTally::Army ? ArmyColumn : CollectionColumn;
}

int CatalogueModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_globals.catalogue.size();
}

int CatalogueModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QModelIndex CatalogueModel::index(int row, int column, const QModelIndex &parent) const
{
    // The lists ask for an index of every row whenever they lay themselves out; the base
    // class asks rowCount() and columnCount() through virtual calls each time.
    if (parent.isValid() || row < 0 || row >= m_globals.catalogue.size() || column < 0 ||
        column >= ColumnCount)
        return QModelIndex();
    return createIndex(row, column);
}

QVariant CatalogueModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const UnitCatalogue &units = m_globals.catalogue;
    const int row = index.row();
    switch (index.column()) {
    case IdColumn:
        return units.UnitId.at(row).toString();
    case NameColumn:
        return units.UnitName.at(row).toString();
    case StrengthColumn:
        return units.UnitStr.at(row).toString();
    case FactionColumn:
        return units.UnitFaction.at(row).toString();
    case RarityColumn:
        return units.UnitRarity.at(row).toString();
    case PointValueColumn:
        return units.UnitPointValue.at(row).toString();
    case CollectionColumn:
        return m_globals.collection.counts.at(row);
    case ArmyColumn:
        return m_globals.army.counts.at(row);
    default:
        return QVariant();
    }
}

void CatalogueModel::catalogueAboutToBeReplaced(int rows)
{
    // A reload nearly always brings as many units as before. Then every row only changes its
    // texts: a reset would make each list lay out all its rows again before it can paint.
    m_resetting = rows != rowCount();
    if (m_resetting)
        beginResetModel();
}

void CatalogueModel::catalogueReplaced()
{
    if (m_resetting)
        endResetModel();
    else if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
}

void CatalogueModel::tallyChanged(WhichTally which, int row)
{
    const int column = countColumn(which);
    if (row >= 0)
        Q_EMIT dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
    else if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}
