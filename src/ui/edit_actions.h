// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/tally_document.h"

#include <QObject>

#include <functional>
#include <optional>

class FindBar;
class LinkedColumns;
class QAction;
class QListView;
class QMenu;
class StatusReport;

// The commands that have no designed menu item: undo and redo, named after the step they would
// take; find and find again, by their keys; and the lists' own menu, which offers them beside
// counting a figure in or out of the selected unit, so that they can be found.
class EditActions : public QObject
{
    Q_OBJECT

public:
    // `chosen` names the tally the option buttons choose; `count` counts a figure of the
    // selected unit into or out of it.
    EditActions(QWidget *window, TallyDocument &document, LinkedColumns *columns, FindBar *find,
                StatusReport *status, std::function<WhichTally()> chosen,
                std::function<void(Step)> count);

    // An action of the window's, by its name and keys, that works anywhere in the window.
    static QAction *windowCommand(QWidget *window, const char *name,
                                  const QList<QKeySequence> &keys);

    QMenu *listMenu() const { return m_listMenu; }

    // The lists' menu for the catalogue row shown at `row` of `list` (none: -1), at `where`;
    // Enter there does `enter`, as it does in the list.
    void showListMenu(int row, const QPoint &where, std::optional<Step> enter);

private:
    void undoOrRedo(bool undo);

    TallyDocument &m_document;
    LinkedColumns *m_columns;
    StatusReport *m_status;
    std::function<WhichTally()> m_chosen;
    QMenu *m_listMenu;
    QAction *m_add;
    QAction *m_take;
};
