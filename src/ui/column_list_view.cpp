#include "column_list_view.h"

#include <QItemSelectionModel>

ColumnListView::ColumnListView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Equal rows keep the columns' top rows and scroll ranges identical, and make layout
    // independent of the number of units.
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Count texts loaded from tally files carry trailing blanks; clipping shows just the
    // number where an ellipsis would suggest hidden text.
    setTextElideMode(Qt::ElideNone);
}

void ColumnListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                 const QList<int> &roles)
{
    // QListView lays out every row again on any change of data, which at 32767 rows made each
    // counted figure cost milliseconds in all eight lists. Rows here all have one height and
    // the lists never scroll sideways, so a changed text moves no row: the list only repaints
    // what changed, and only when the change is in its own column.
    if (modelColumn() < topLeft.column() || modelColumn() > bottomRight.column())
        return;
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

QModelIndex ColumnListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.column() != modelColumn())
        selectionModel()->setCurrentIndex(current.siblingAtColumn(modelColumn()),
                                          QItemSelectionModel::NoUpdate);
    return QListView::moveCursor(cursorAction, modifiers);
}
