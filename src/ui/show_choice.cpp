// SPDX-License-Identifier: GPL-3.0-or-later
#include "show_choice.h"

#include "document/army_plan.h"
#include "edit_actions.h"
#include "find_bar.h"
#include "linked_columns.h"
#include "shown_units.h"
#include "status_report.h"
#include "tally/army_needs.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenu>

ShowChoice::ShowChoice(QWidget *window, const TallyDocument &document, LinkedColumns *columns,
                       FindBar *find, QMenu *listMenu, const ArmyPlan *plan)
    : QObject(window), m_document(document), m_columns(columns), m_find(find), m_plan(plan),
      m_choices(new QActionGroup(this))
{
    m_columns->shown()->setPlan(plan);
    connect(plan, &ArmyPlan::changed, this, &ShowChoice::sayShown);
    connect(plan, &ArmyPlan::replanned, this, [this] {
        const UnitChoice shown = m_columns->shown()->choice();
        if (shown == UnitChoice::LackingForPlan || shown == UnitChoice::Spare)
            choose(shown);
    });
    QAction *key = EditActions::windowCommand(window, "actShow",
                                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)});
    connect(key, &QAction::triggered, m_find, &FindBar::openChoice);
    connect(m_find, &FindBar::choiceMade, this, &ShowChoice::choose);
    connect(&m_document, &TallyDocument::catalogueReplaced, this, &ShowChoice::sayShown);
    connect(&m_document, &TallyDocument::tallyChanged, this, &ShowChoice::sayShown);
    QMenu *show = listMenu->addMenu(tr("Show"));
    show->setObjectName(QStringLiteral("mnuShow"));
    show->setFont(window->font());
    const QStringList names = FindBar::choiceNames();
    for (int choice = 0; choice < names.size(); ++choice) {
        QAction *action = show->addAction(names.at(choice));
        action->setCheckable(true);
        action->setChecked(choice == 0);
        m_choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { choose(UnitChoice(choice)); });
    }
}

void ShowChoice::choose(UnitChoice choice)
{
    m_columns->choose(choice);
    m_find->showChoice(choice);
    m_choices->actions().at(int(choice))->setChecked(true);
    sayShown();
}

void ShowChoice::sayShown()
{
    const ShownUnits *shown = m_columns->shown();
    if (shown->choice() == UnitChoice::All) {
        m_find->showSummary(QString(), QString());
        return;
    }
    const QLocale locale;
    const int all = m_document.data().catalogue.size();
    const QString of = tr("%1 of %2").arg(shown->rowCount()).arg(all);
    const modGlobals &data = m_document.data();
    if (shown->choice() == UnitChoice::Spare) {
        double spare = 0;
        for (int row = 0; row < shown->rowCount(); ++row)
            spare += spareAt(m_plan->needs(), data.collection.counts, shown->catalogueRow(row));
        const QString figures = locale.toString(spare, 'g', 7);
        m_find->showSummary(tr("%1; %2 spare").arg(of, figures),
                            tr("Showing %1 of %2. The collection holds %3 figure(s) beyond "
                               "what the planned armies need.",
                               nullptr, int(std::min(spare, 1e9)))
                                .arg(QString::number(shown->rowCount()), units(all), figures));
        return;
    }
    const bool planned = shown->choice() == UnitChoice::LackingForPlan;
    if (!planned && shown->choice() != UnitChoice::LackingForArmy) {
        m_find->showSummary(of, tr("Showing %1 of %2.").arg(shown->rowCount()).arg(units(all)));
        return;
    }
    const Lacking lacking =
        planned ? m_plan->lacking()
                : lackingForArmy(data.collection.counts, data.army.counts, data.catalogue);
    const QString count = locale.toString(lacking.figures, 'g', 7);
    const QString cost = locale.toString(lacking.cost, 'f', 2);
    const QString unpriced = locale.toString(lacking.unpriced, 'g', 7);
    // Short beside the choice; whole in its tooltip.
    QString text = tr("%1; %2 lacking").arg(of, count);
    const QString showing = QString::number(shown->rowCount()), units = ::units(all);
    QString whole = planned ? tr("Showing %1 of %2. The planned armies lack %3 figure(s)", nullptr,
                                 int(std::min(lacking.figures, 1e9)))
                                  .arg(showing, units, count)
                    : lacking.figures == 1
                        ? tr("Showing %1 of %2. Lacking 1 figure").arg(showing, units)
                        : tr("Showing %1 of %2. Lacking %3 figures").arg(showing, units, count);
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
