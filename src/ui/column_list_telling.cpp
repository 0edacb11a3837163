// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_list_view.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QToolTip>

// What a column list tells the user and assistive technology: its menu where it was asked for,
// a name too long for the column as a tooltip, the focused and selected row, changed counts.

void ColumnListView::contextMenuEvent(QContextMenuEvent *event)
{
    int row = -1;
    QPoint where = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex under = indexAt(viewport()->mapFromGlobal(event->globalPos()));
        row = under.isValid() ? under.row() : -1;
    } else if (const QModelIndexList selected = selectionModel()
                                                    ? selectionModel()->selectedRows(modelColumn())
                                                    : QModelIndexList();
               !selected.isEmpty()) {
        // From the keyboard the menu opens at the selected row, where the user is looking.
        const QRect rect = visualRect(selected.front());
        if (viewport()->rect().intersects(rect))
            where = viewport()->mapToGlobal(rect.bottomLeft());
    }
    Q_EMIT menuRequested(row, where);
    event->accept();
}

bool ColumnListView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QListView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.isValid() ? index.data().toString().trimmed() : QString();
    const int room = visualRect(index).width() -
                     2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    if (!text.isEmpty() && fontMetrics().horizontalAdvance(text) > room)
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    else
        QToolTip::hideText();
    return true;
}

void ColumnListView::tellAssistiveTechnology(QAccessible::Event type, int row)
{
#if QT_CONFIG(accessibility)
    if (QAccessible::isActive() && row >= 0) {
        QAccessibleEvent event(this, type);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
#endif
}

void ColumnListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (current.isValid() && hasFocus())
        tellAssistiveTechnology(QAccessible::Focus, current.row());
}

void ColumnListView::selectionChanged(const QItemSelection &selected,
                                      const QItemSelection &deselected)
{
    if (!selected.isEmpty())
        tellAssistiveTechnology(QAccessible::SelectionAdd, selected.front().top());
    if (!deselected.isEmpty())
        tellAssistiveTechnology(QAccessible::SelectionRemove, deselected.front().top());
    QAbstractItemView::selectionChanged(selected, deselected);
}

void ColumnListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                 const QList<int> &roles)
{
    // QListView lays out every row again on any change of data. A changed text moves no row
    // here: the list only repaints what changed, and only when the change is in its column.
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
