// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_units.h"

#include "common/numbers.h"
#include "document/army_plan.h"
#include "document/tally_document.h"

ShownUnits::ShownUnits(QAbstractItemModel *catalogue, const TallyDocument &document,
                       QObject *parent)
    : QAbstractTableModel(parent), m_catalogue(catalogue), m_document(document)
{
    connect(catalogue, &QAbstractItemModel::modelAboutToBeReset, this,
            &ShownUnits::beginResetModel);
    // A new catalogue is shown by the choice made, afresh.
    connect(catalogue, &QAbstractItemModel::modelReset, this, [this] {
        chooseRows();
        endResetModel();
    });
    connect(catalogue, &QAbstractItemModel::dataChanged, this, &ShownUnits::catalogueChanged);
}

int ShownUnits::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_choice == UnitChoice::All ? m_catalogue->rowCount() : int(m_rows.size());
}

int ShownUnits::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_catalogue->columnCount();
}

QModelIndex ShownUnits::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 ||
        column >= m_catalogue->columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QVariant ShownUnits::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return QVariant();
    const int row = catalogueRow(index.row());
    // Shown by the plan, a unit says how many of it the plan lacks, or how many are spare.
    if (role == Qt::ToolTipRole && m_plan &&
        (m_choice == UnitChoice::LackingForPlan || m_choice == UnitChoice::Spare)) {
        const QStringList &collection = m_document.tally(WhichTally::Collection).counts;
        if (m_choice == UnitChoice::Spare)
            return tr("%1 spare beyond what the planned armies need")
                .arg(doubleText(spareAt(m_plan->needs(), collection, row)));
        return tr("%1 lacking for the planned armies")
            .arg(doubleText(lackingAt(m_plan->needs(), collection, row)));
    }
    return m_catalogue->index(row, index.column()).data(role);
}

void ShownUnits::setPlan(const ArmyPlan *plan)
{
    m_plan = plan;
}

int ShownUnits::catalogueRow(int shownRow) const
{
    if (m_choice == UnitChoice::All)
        return shownRow;
    return shownRow >= 0 && shownRow < m_rows.size() ? m_rows.at(shownRow) : -1;
}

int ShownUnits::shownRow(int catalogueRow) const
{
    if (m_choice == UnitChoice::All)
        return catalogueRow < m_catalogue->rowCount() ? catalogueRow : -1;
    const auto at = std::lower_bound(m_rows.cbegin(), m_rows.cend(), catalogueRow);
    return at != m_rows.cend() && *at == catalogueRow ? int(at - m_rows.cbegin()) : -1;
}

int ShownUnits::reveal(int catalogueRow)
{
    if (const int shown = shownRow(catalogueRow);
        shown >= 0 || catalogueRow < 0 || catalogueRow >= m_catalogue->rowCount())
        return shown;
    const int at =
        int(std::lower_bound(m_rows.cbegin(), m_rows.cend(), catalogueRow) - m_rows.cbegin());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.insert(at, catalogueRow);
    endInsertRows();
    return at;
}

void ShownUnits::choose(UnitChoice choice)
{
    beginResetModel();
    m_choice = choice;
    chooseRows();
    endResetModel();
}

void ShownUnits::chooseRows()
{
    const modGlobals &data = m_document.data();
    m_rows = m_choice == UnitChoice::All
                 ? QList<int>()
                 : chosenRows(m_choice, data.collection.counts, data.army.counts,
                              m_plan ? m_plan->needs() : Needs());
}

void ShownUnits::catalogueChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                  const QList<int> &roles)
{
    if (m_choice == UnitChoice::All) {
        Q_EMIT dataChanged(index(topLeft.row(), topLeft.column()),
                           index(bottomRight.row(), bottomRight.column()), roles);
        return;
    }
    if (m_rows.isEmpty())
        return;
    // One row changed: that row if shown; a range: every shown row, as the lists repaint a
    // screenful whatever the range.
    if (topLeft.row() == bottomRight.row()) {
        const int row = shownRow(topLeft.row());
        if (row >= 0)
            Q_EMIT dataChanged(index(row, topLeft.column()), index(row, bottomRight.column()),
                               roles);
        return;
    }
    Q_EMIT dataChanged(index(0, topLeft.column()), index(rowCount() - 1, bottomRight.column()),
                       roles);
}
