#pragma once

#include <QListView>

// One column of the main window's table. All columns share one model and one selection
// model, so the current index may sit in another column; keyboard moves start from this
// column's own cell of the current row.
class ColumnListView : public QListView
{
    Q_OBJECT

public:
    explicit ColumnListView(QWidget *parent = nullptr);

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};
