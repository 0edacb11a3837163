// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_actions.h"

#include "common/numbers.h"
#include "find_bar.h"
#include "linked_columns.h"
#include "shown_units.h"
#include "status_report.h"

#include <QAction>
#include <QMenu>

QAction *EditActions::windowCommand(QWidget *window, const char *name,
                                    const QList<QKeySequence> &keys)
{
    auto *action = new QAction(window);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    // The keys work anywhere in the window; a name box takes them for its own typing while it
    // has the focus, as every text box does.
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

EditActions::EditActions(QWidget *window, TallyDocument &document, LinkedColumns *columns,
                         FindBar *find, StatusReport *status, std::function<WhichTally()> chosen,
                         std::function<void(Step)> count)
    : QObject(window), m_document(document), m_columns(columns), m_status(status),
      m_chosen(std::move(chosen)), m_listMenu(new QMenu(window))
{
    QUndoStack *stack = m_document.undoStack();
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    // Ctrl+Y redoes on every desktop, whether or not it is the desktop's own key.
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QAction *undo = windowCommand(window, "actUndo", QKeySequence::keyBindings(QKeySequence::Undo));
    QAction *redo = windowCommand(window, "actRedo", redoKeys);
    // Named after the step they would take back or do again, as the status line names it. Qt's
    // own undo actions glue a prefix to the step's name, which a translation cannot reorder.
    const auto follow = [stack, undo, redo] {
        undo->setText(stack->canUndo() ? tr("Undo %1").arg(stack->undoText()) : tr("Undo"));
        redo->setText(stack->canRedo() ? tr("Redo %1").arg(stack->redoText()) : tr("Redo"));
        undo->setEnabled(stack->canUndo());
        redo->setEnabled(stack->canRedo());
    };
    connect(stack, &QUndoStack::indexChanged, this, follow);
    follow();
    connect(undo, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(redo, &QAction::triggered, this, [this] { undoOrRedo(false); });

    // Finding a unit: the box opens at the window's foot; the next and previous finds work
    // with the box open or not.
    QAction *findOne =
        windowCommand(window, "actFind", QKeySequence::keyBindings(QKeySequence::Find));
    findOne->setText(tr("Find a Unit..."));
    connect(findOne, &QAction::triggered, find, &FindBar::open);
    QAction *next =
        windowCommand(window, "actFindNext", QKeySequence::keyBindings(QKeySequence::FindNext));
    next->setText(tr("Find Next"));
    connect(next, &QAction::triggered, find, &FindBar::findNext);
    QAction *previous = windowCommand(window, "actFindPrevious",
                                      QKeySequence::keyBindings(QKeySequence::FindPrevious));
    previous->setText(tr("Find Previous"));
    connect(previous, &QAction::triggered, find, &FindBar::findPrevious);

    m_listMenu->setObjectName(QStringLiteral("listMenu"));
    m_listMenu->setAccessibleName(tr("Unit commands"));
    m_listMenu->setFont(window->font());
    m_add = m_listMenu->addAction(QString());
    m_add->setObjectName(QStringLiteral("actAddOne"));
    connect(m_add, &QAction::triggered, this, [count] { count(Step::Add); });
    m_take = m_listMenu->addAction(QString());
    m_take->setObjectName(QStringLiteral("actTakeOne"));
    connect(m_take, &QAction::triggered, this, [count] { count(Step::Remove); });
    m_listMenu->addSeparator();
    m_listMenu->addActions({undo, redo});
    m_listMenu->addSeparator();
    m_listMenu->addActions({findOne, next});
}

void EditActions::undoOrRedo(bool undo)
{
    QUndoStack *stack = m_document.undoStack();
    if (undo ? !stack->canUndo() : !stack->canRedo())
        return;
    const QString step = undo ? stack->undoText() : stack->redoText();
    undo ? stack->undo() : stack->redo();
    m_status->say((undo ? tr("Undid: %1.") : tr("Redid: %1.")).arg(step));
}

void EditActions::showListMenu(int row, const QPoint &where, std::optional<Step> enter)
{
    // A right-click on a row is about that row, as a click on it is.
    if (row >= 0)
        m_columns->selectRow(m_columns->shown()->catalogueRow(row));
    const int selected = m_columns->selectedRow();
    const WhichTally which = m_chosen();
    m_add->setText(forTally(which, tr("Add One to the army"), tr("Add One to the collection")));
    m_take->setText(
        forTally(which, tr("Take One from the army"), tr("Take One from the collection")));
    m_add->setEnabled(selected >= 0);
    m_take->setEnabled(selected >= 0 &&
                       readNumber(m_document.tally(which).counts.value(selected)) > 0);
    // Enter does in this list what one of them does; the other has no key of its own.
    m_add->setShortcut(enter == Step::Add ? QKeySequence(Qt::Key_Return) : QKeySequence());
    m_take->setShortcut(enter == Step::Remove ? QKeySequence(Qt::Key_Return) : QKeySequence());
    for (QAction *action : {m_add, m_take})
        action->setShortcutContext(Qt::WidgetShortcut);
    m_listMenu->popup(where);
}
