// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QListView>

// One column of the main window's table. All columns share one model and one selection
// model, so the current index may sit in another column; keyboard moves start from this
// column's own cell of the current row.
//
// Every row has one height and the list never scrolls sideways, so where a row lies is
// arithmetic: the list does not lay out its rows one by one, which QListView does for every
// row whenever its model resets (at 32767 rows and eight lists, most of a start-up's frame).
// Everything that asks where rows are (painting, hit tests, scrolling, selection by mouse,
// keyboard moves) is answered here from the row height.
class ColumnListView : public QListView
{
    Q_OBJECT

public:
    explicit ColumnListView(QWidget *parent = nullptr);

    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

    // Whether double-clicks change this list's counts: the list is tinted to say so.
    void setCounting(bool counting);
    bool isCounting() const { return m_counting; }

Q_SIGNALS:
    // The user asked for the lists' menu: with the mouse over `row` (-1 over no row), or from
    // the keyboard (-1); `where` is where the menu opens, on the screen.
    void menuRequested(int row, const QPoint &where);

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;
    int verticalOffset() const override;
    int horizontalOffset() const override;
    void scrollContentsBy(int dx, int dy) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // A row whose text the column cuts off shows it whole as a tooltip.
    bool viewportEvent(QEvent *event) override;
    // Assistive technology hears which row became current or selected; QListView would name
    // the row by a layout this list does not make.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;

private:
    int rows() const;
    int topRow() const;
    // The rows the viewport shows whole; at least one.
    int wholeRows() const;
    // The row at viewport height `y`, which may lie past the last row.
    int rowAtY(int y) const;
    QModelIndex cell(int row) const;
    void tellAssistiveTechnology(QAccessible::Event event, int row);

    int m_rowHeight = 1;
    bool m_counting = false;
};
