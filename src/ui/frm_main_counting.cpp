// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "document/ruleset_reload.h"
#include "messages.h"

#include <QRadioButton>

// Counting figures in and out with double-clicks (and Enter), and what a refused count says.

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
