// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_list_view.h"

#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

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

int ColumnListView::rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex ColumnListView::cell(int row) const
{
    return model() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

int ColumnListView::topRow() const
{
    return verticalScrollBar()->value();
}

int ColumnListView::wholeRows() const
{
    return std::max(1, viewport()->height() / m_rowHeight);
}

int ColumnListView::rowAtY(int y) const
{
    return topRow() + (y < 0 ? -1 : y / m_rowHeight);
}

void ColumnListView::doItemsLayout()
{
    // One row's height is every row's.
    if (rows() > 0)
        m_rowHeight = std::max(1, sizeHintForIndex(cell(0)).height());
    QAbstractItemView::doItemsLayout();
}

void ColumnListView::updateGeometries()
{
    const int shown = wholeRows();
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setRange(0, std::max(0, rows() - shown));
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

int ColumnListView::verticalOffset() const
{
    return topRow() * m_rowHeight;
}

int ColumnListView::horizontalOffset() const
{
    return 0;
}

void ColumnListView::scrollContentsBy(int dx, int dy)
{
    // The scroll bar counts rows.
    QAbstractItemView::scrollContentsBy(dx, dy * m_rowHeight);
}

QRect ColumnListView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn() ||
        index.row() >= rows())
        return QRect();
    const_cast<ColumnListView *>(this)->executeDelayedItemsLayout();
    return QRect(0, (index.row() - topRow()) * m_rowHeight, viewport()->width(), m_rowHeight);
}

QModelIndex ColumnListView::indexAt(const QPoint &point) const
{
    const_cast<ColumnListView *>(this)->executeDelayedItemsLayout();
    const int row = rowAtY(point.y());
    if (row < 0 || row >= rows() || point.x() < 0 || point.x() >= viewport()->width())
        return QModelIndex();
    return cell(row);
}

void ColumnListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.parent() != rootIndex() || index.row() >= rows())
        return;
    executeDelayedItemsLayout();
    const int row = index.row();
    const int shown = wholeRows();
    int top = topRow();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + shown)
            top = row - shown + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - shown + 1;
        break;
    case PositionAtCenter:
        top = row - shown / 2;
        break;
    }
    verticalScrollBar()->setValue(top);
}

void ColumnListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect rows_ = rect.normalized();
    const int first = std::max(0, rowAtY(rows_.top()));
    const int last = std::min(rows() - 1, rowAtY(rows_.bottom()));
    if (first > last) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(cell(first), cell(last)), command);
}

QRegion ColumnListView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const QRect shown = viewport()->rect();
    for (const QItemSelectionRange &range : selection) {
        if (range.parent() != rootIndex() || range.left() > modelColumn() ||
            range.right() < modelColumn())
            continue;
        const QRect rect(0, (range.top() - topRow()) * m_rowHeight, shown.width(),
                         (range.bottom() - range.top() + 1) * m_rowHeight);
        region += rect.intersected(shown);
    }
    return region;
}

void ColumnListView::paintEvent(QPaintEvent *event)
{
    executeDelayedItemsLayout();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const bool enabled = state & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focus = hasFocus() || viewport()->hasFocus();
    QPainter painter(viewport());
    if (m_counting) {
        // A light wash of the selection colour, which shows on light and dark schemes alike.
        QColor tint = option.palette.color(QPalette::Highlight);
        tint.setAlpha(40);
        painter.fillRect(event->rect(), tint);
    }
    const int first = std::max(0, rowAtY(event->rect().top()));
    const int last = std::min(rows() - 1, rowAtY(event->rect().bottom()));
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = cell(row);
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = model()->flags(index) & Qt::ItemIsEnabled;
            option.state.setFlag(QStyle::State_Enabled, itemEnabled);
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal
                                                            : QPalette::Disabled);
        }
        if (focus && current == index)
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
    if (!focus)
        return;
    // The current index sits in one column only, and some styles draw its focus only after a
    // key was pressed; the list with the focus frames its own cell of the current row, or
    // itself when no row is current, in every style and scheme.
    QRect frame = current.isValid() ? visualRect(cell(current.row())) : viewport()->rect();
    const bool onSelection =
        current.isValid() && selectionModel() && selectionModel()->isSelected(cell(current.row()));
    painter.setPen(QPen(
        option.palette.color(onSelection ? QPalette::HighlightedText : QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

void ColumnListView::setCounting(bool counting)
{
    if (std::exchange(m_counting, counting) != counting)
        viewport()->update();
}

QModelIndex ColumnListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    executeDelayedItemsLayout();
    const int count = rows();
    if (count == 0)
        return QModelIndex();
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return cell(0);
    const int row = current.row();
    int next = row;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        next = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        next = row + 1;
        break;
    case MovePageUp:
        next = row - wholeRows();
        break;
    case MovePageDown:
        next = row + wholeRows();
        break;
    case MoveHome:
        next = 0;
        break;
    case MoveEnd:
        next = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    // From this column's own cell of the current row, wherever the current index sits.
    return cell(std::clamp(next, 0, count - 1));
}
