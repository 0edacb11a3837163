// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "find_bar.h"
#include "linked_columns.h"
#include "shown_units.h"
#include "status_report.h"

#include <QActionGroup>
#include <QLocale>

// Which units the lists show: all, or those the two tallies pick out, and what the army lacks.

void frmMain::choose(UnitChoice choice)
{
    m_columns->choose(choice);
    m_find->showChoice(choice);
    m_choices->actions().at(int(choice))->setChecked(true);
    sayShown();
}

void frmMain::sayShown()
{
    const ShownUnits *shown = m_columns->shown();
    if (shown->choice() == UnitChoice::All) {
        m_status->showUnitsShown(QString());
        return;
    }
    QString text = tr("Showing %1 of %2").arg(shown->rowCount()).arg(units(m_model->rowCount()));
    if (shown->choice() == UnitChoice::LackingForArmy) {
        const Lacking lacking =
            lackingForArmy(m_globals.collection.counts, m_globals.army.counts, m_globals.catalogue);
        const QString count = QLocale().toString(lacking.figures, 'g', 7);
        text +=
            lacking.figures == 1 ? tr(". Lacking 1 figure") : tr(". Lacking %1 figures").arg(count);
        if (lacking.figures > lacking.unpriced)
            text += tr(", about %1").arg(QLocale().toString(lacking.cost, 'f', 2));
        if (lacking.unpriced > 0)
            text += tr(" (%1 without a price)").arg(QLocale().toString(lacking.unpriced, 'g', 7));
    }
    m_status->showUnitsShown(text);
}
