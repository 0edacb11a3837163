// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "column_list_view.h"
#include "document/ruleset_reload.h"
#include "find_bar.h"
#include "linked_columns.h"
#include "shown_units.h"
#include "status_report.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

// The commands that have no designed menu item: undo, redo and find by their keys, and the
// lists' own menu that offers them with counting, so that they can be found.

namespace {

QAction *command(QWidget *owner, const char *name, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    // The keys work anywhere in the window; a name box takes them for its own typing while it
    // has the focus, as every text box does.
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
    return action;
}

} // namespace

void frmMain::addCommands()
{
    QUndoStack *stack = m_document.undoStack();
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    // Ctrl+Y redoes on every desktop, whether or not it is the desktop's own key.
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QAction *undo = command(this, "actUndo", QKeySequence::keyBindings(QKeySequence::Undo));
    QAction *redo = command(this, "actRedo", redoKeys);
    // Named after the step they would take back or do again, as the status line names it.
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
    m_find = new FindBar(this, m_columns, &m_document);
    QAction *find = command(this, "actFind", QKeySequence::keyBindings(QKeySequence::Find));
    find->setText(tr("Find a Unit..."));
    connect(find, &QAction::triggered, m_find, &FindBar::open);
    QAction *next = command(this, "actFindNext", QKeySequence::keyBindings(QKeySequence::FindNext));
    next->setText(tr("Find Next"));
    connect(next, &QAction::triggered, m_find, &FindBar::findNext);
    QAction *previous =
        command(this, "actFindPrevious", QKeySequence::keyBindings(QKeySequence::FindPrevious));
    previous->setText(tr("Find Previous"));
    connect(previous, &QAction::triggered, m_find, &FindBar::findPrevious);

    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(QStringLiteral("listMenu"));
    m_listMenu->setAccessibleName(tr("Unit commands"));
    m_listMenu->setFont(font());
    QAction *add = m_listMenu->addAction(QString());
    add->setObjectName(QStringLiteral("actAddOne"));
    connect(add, &QAction::triggered, this, [this] { countFigure(Step::Add); });
    QAction *take = m_listMenu->addAction(QString());
    take->setObjectName(QStringLiteral("actTakeOne"));
    connect(take, &QAction::triggered, this, [this] { countFigure(Step::Remove); });
    m_listMenu->addSeparator();
    m_listMenu->addActions({undo, redo});
    m_listMenu->addSeparator();
    m_listMenu->addActions({find, next});

    // Which units the lists show: from the bar's choice, its key, or the menu.
    QAction *showKey = command(this, "actShow", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)});
    connect(showKey, &QAction::triggered, m_find, &FindBar::openChoice);
    connect(m_find, &FindBar::choiceMade, this, &frmMain::choose);
    connect(&m_document, &TallyDocument::catalogueReplaced, this, &frmMain::sayShown);
    QMenu *show = m_listMenu->addMenu(tr("Show"));
    show->setObjectName(QStringLiteral("mnuShow"));
    show->setFont(font());
    m_choices = new QActionGroup(this);
    const QStringList names = FindBar::choiceNames();
    for (int choice = 0; choice < names.size(); ++choice) {
        QAction *action = show->addAction(names.at(choice));
        action->setCheckable(true);
        action->setChecked(choice == 0);
        m_choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { choose(UnitChoice(choice)); });
    }
    for (QListView *list : ui.lists)
        connect(static_cast<ColumnListView *>(list), &ColumnListView::menuRequested, this,
                [this, list](int row, const QPoint &where) { showListMenu(list, row, where); });

    connect(ui.optArmy, &QRadioButton::toggled, this, &frmMain::markCountingColumn);
    markCountingColumn();
}

void frmMain::undoOrRedo(bool undo)
{
    QUndoStack *stack = m_document.undoStack();
    if (undo ? !stack->canUndo() : !stack->canRedo())
        return;
    const QString step = undo ? stack->undoText() : stack->redoText();
    undo ? stack->undo() : stack->redo();
    say((undo ? tr("Undid: %1.") : tr("Redid: %1.")).arg(step));
}

void frmMain::showListMenu(QListView *list, int row, const QPoint &where)
{
    // A right-click on a row is about that row, as a click on it is.
    if (row >= 0)
        selectRow(m_columns->shown()->catalogueRow(row));
    const int selected = selectedRow();
    const WhichTally which = chosenTally();
    auto *add = m_listMenu->findChild<QAction *>(QStringLiteral("actAddOne"));
    auto *take = m_listMenu->findChild<QAction *>(QStringLiteral("actTakeOne"));
    add->setText(forTally(which, tr("Add One to the army"), tr("Add One to the collection")));
    take->setText(
        forTally(which, tr("Take One from the army"), tr("Take One from the collection")));
    add->setEnabled(selected >= 0);
    take->setEnabled(selected >= 0 &&
                     readNumber(m_document.tally(which).counts.value(selected)) > 0);
    // Enter does in this list what one of them does; the other has no key of its own.
    const bool counts = list == ui.lstCollection || list == ui.lstArmy;
    const bool names = list == ui.lstUnitId || list == ui.lstUnits;
    add->setShortcut(names ? QKeySequence(Qt::Key_Return) : QKeySequence());
    take->setShortcut(counts ? QKeySequence(Qt::Key_Return) : QKeySequence());
    for (QAction *action : {add, take})
        action->setShortcutContext(Qt::WidgetShortcut);
    m_listMenu->popup(where);
}

void frmMain::markCountingColumn()
{
    const bool army = ui.optArmy->isChecked();
    static_cast<ColumnListView *>(ui.lstCollection)->setCounting(!army);
    static_cast<ColumnListView *>(ui.lstArmy)->setCounting(army);
    for (const auto &[name, marked] : {std::pair{"Label7", !army}, std::pair{"Label8", army}}) {
        auto *heading = findChild<QLabel *>(QLatin1String(name));
        // Underlined rather than bold: the designed heading has no room to grow.
        QFont font = heading->font();
        font.setUnderline(marked);
        heading->setFont(font);
    }
    const QString keys =
        tr("%1 undoes the last change to a tally, %2 redoes it.")
            .arg(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText),
                 QKeySequence(QKeySequence::Redo).toString(QKeySequence::NativeText));
    for (QListView *list : {ui.lstCollection, ui.lstArmy}) {
        const bool counting = static_cast<ColumnListView *>(list)->isCounting();
        list->setAccessibleDescription(
            (counting ? tr("Double-clicks count into this column; double-click or Enter here "
                           "takes a figure away.")
             : army   ? tr("Double-click or Enter here takes a figure away from the army.")
                      : tr("Double-click or Enter here takes a figure away from the "
                             "collection.")) +
            u' ' + keys);
    }
}
