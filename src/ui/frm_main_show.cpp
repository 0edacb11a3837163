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
        m_find->showSummary(QString(), QString());
        return;
    }
    const QLocale locale;
    const QString of = tr("%1 of %2").arg(shown->rowCount()).arg(m_model->rowCount());
    if (shown->choice() != UnitChoice::LackingForArmy) {
        m_find->showSummary(
            of, tr("Showing %1 of %2.").arg(shown->rowCount()).arg(units(m_model->rowCount())));
        return;
    }
    const Lacking lacking =
        lackingForArmy(m_globals.collection.counts, m_globals.army.counts, m_globals.catalogue);
    const QString count = locale.toString(lacking.figures, 'g', 7);
    const QString cost = locale.toString(lacking.cost, 'f', 2);
    const QString unpriced = locale.toString(lacking.unpriced, 'g', 7);
    // Short beside the choice; whole in its tooltip.
    QString text = tr("%1; %2 lacking").arg(of, count);
    const QString showing = QString::number(shown->rowCount()), all = units(m_model->rowCount());
    QString whole = lacking.figures == 1
                        ? tr("Showing %1 of %2. Lacking 1 figure").arg(showing, all)
                        : tr("Showing %1 of %2. Lacking %3 figures").arg(showing, all, count);
    if (lacking.figures > lacking.unpriced) {
        text += tr(", %1").arg(cost);
        whole += tr(", about %1").arg(cost);
    }
    if (lacking.unpriced > 0) {
        text += tr(" (%1 unpriced)").arg(unpriced);
        whole += tr(" (%1 without a price)").arg(unpriced);
    }
    m_find->showSummary(text, whole + u'.');
}
