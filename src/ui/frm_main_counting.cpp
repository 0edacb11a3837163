// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "column_list_view.h"
#include "document/ruleset_reload.h"
#include "messages.h"

#include <QLabel>
#include <QRadioButton>

// Counting figures in and out with double-clicks (and Enter), what a refused count says, and
// which count column the option buttons mark for counting.

void frmMain::lstUnitId_DblClick()
{
    countFigure(Step::Add);
}

void frmMain::lstUnits_DblClick()
{
    countFigure(Step::Add);
}

void frmMain::lstArmy_DblClick()
{
    countFigure(Step::Remove);
}

void frmMain::lstCollection_DblClick()
{
    countFigure(Step::Remove);
}

WhichTally frmMain::chosenTally() const
{
    return ui.optArmy->isChecked() ? WhichTally::Army : WhichTally::Collection;
}

void frmMain::countFigure(Step step)
{
    const WhichTally which = chosenTally();
    const int row = selectedRow();
    const FigureChange change = m_document.countFigure(which, row, step);
    if (change.changed) {
        QString line = m_document.undoStack()->undoText();
        line[0] = line[0].toUpper();
        say(tr("%1 (%2 now).").arg(line, m_document.tally(which).counts.at(row)));
        return;
    }
    if (change.overflow == TotalKind::None) {
        // Taking from a count of 0 changes nothing; the line says why nothing moved.
        if (row >= 0)
            say(forTally(which, tr("There is no %1 in the army to take away."),
                         tr("There is no %1 in the collection to take away."))
                    .arg(m_globals.catalogue.UnitName.value(row).trimmed()));
        return;
    }
    // The 16-bit totals: the user reads the limit and where the figure would take the total.
    if (change.overflow == TotalKind::Money) {
        Messages::warn(this, tr("This figure would take %1 out of its range, so nothing was "
                                "changed.")
                                 .arg(totalName(which, TotalKind::Money)));
        return;
    }
    // [taken away][points][army]
    static const char *const limits[2][2][2] = {
        {{QT_TR_NOOP("A collection can hold at most 32767 figures; this figure would make it %1."),
          QT_TR_NOOP("An army can hold at most 32767 figures; this figure would make it %1.")},
         {QT_TR_NOOP("A collection can hold at most 32767 points; this figure would make it %1."),
          QT_TR_NOOP("An army can hold at most 32767 points; this figure would make it %1.")}},
        {{QT_TR_NOOP("A collection can hold no fewer than -32768 figures; taking this figure "
                     "away would make it %1."),
          QT_TR_NOOP("An army can hold no fewer than -32768 figures; taking this figure away "
                     "would make it %1.")},
         {QT_TR_NOOP("A collection can hold no fewer than -32768 points; taking this figure "
                     "away would make it %1."),
          QT_TR_NOOP("An army can hold no fewer than -32768 points; taking this figure away "
                     "would make it %1.")}}};
    const char *limit =
        limits[step == Step::Remove][change.overflow == TotalKind::Points][tallyIndex(which)];
    Messages::warn(this, tr(limit).arg(QString::number(change.attempted, 'f', 0)));
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
