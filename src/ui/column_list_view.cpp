#include "column_list_view.h"

#include <QAccessible>
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
    if (topLeft.row() == bottomRight.row()) {
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // For a range, QAbstractItemView asks for the rectangle of every changed row to find what
    // to repaint; a whole column is every row, and the list shows only a screenful of them.
    viewport()->update();
#if QT_CONFIG(accessibility)
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(topLeft.row());
        event.setLastRow(bottomRight.row());
        event.setFirstColumn(0);
        event.setLastColumn(0);
        QAccessible::updateAccessibility(&event);
    }
#endif
}

QModelIndex ColumnListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.column() != modelColumn())
        selectionModel()->setCurrentIndex(current.siblingAtColumn(modelColumn()),
                                          QItemSelectionModel::NoUpdate);
    return QListView::moveCursor(cursorAction, modifiers);
}
