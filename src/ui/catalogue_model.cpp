#include "catalogue_model.h"

CatalogueModel::CatalogueModel(modGlobals &globals, QObject *parent)
    : QAbstractTableModel(parent), m_globals(globals)
{}

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
        return units.UnitId.at(row);
    case NameColumn:
        return units.UnitName.at(row);
    case StrengthColumn:
        return units.UnitStr.at(row);
    case FactionColumn:
        return units.UnitFaction.at(row);
    case RarityColumn:
        return units.UnitRarity.at(row);
    case PointValueColumn:
        return units.UnitPointValue.at(row);
    case CollectionColumn:
        return m_globals.collection.counts.at(row);
    case ArmyColumn:
        return m_globals.army.counts.at(row);
    default:
        return QVariant();
    }
}

void CatalogueModel::replaceData(modGlobals data)
{
    Q_ASSERT(data.collection.counts.size() == data.catalogue.size());
    Q_ASSERT(data.army.counts.size() == data.catalogue.size());
    beginResetModel();
    std::swap(m_globals, data);
    endResetModel();
    // A full catalogue and its tallies are a quarter of a million strings, and freeing them
    // took a reload several milliseconds: they are freed on a thread of their own while the
    // window goes on. Strings the new data shares with them keep their atomic counts right.
    if (data.catalogue.size() > 0)
        m_freeing = std::async(std::launch::async,
                               [old = std::move(data)]() mutable { old = modGlobals(); });
}

void CatalogueModel::countChanged(int row, Column column)
{
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

void CatalogueModel::countsChanged(Column column)
{
    if (rowCount() == 0)
        return;
    Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}
