// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/tally_document.h"
#include "tally/unit_choice.h"

#include <QObject>

class ArmyPlan;
class FindBar;
class LinkedColumns;
class QActionGroup;
class QMenu;
class QWidget;

// Which units the lists show: all, or those a choice picks out, chosen from the find bar's
// list, its key or the lists' menu; the bar says how many are shown and, for what the army
// lacks, how many figures that is and what they cost. It follows every change of the tallies
// and of the plan of armies; the choices by the plan are made afresh when other armies are
// planned, or planned another way.
class ShowChoice : public QObject
{
    Q_OBJECT

public:
    ShowChoice(QWidget *window, const TallyDocument &document, LinkedColumns *columns,
               FindBar *find, QMenu *listMenu, const ArmyPlan *plan);

    void choose(UnitChoice choice);

private:
    void sayShown();

    const TallyDocument &m_document;
    LinkedColumns *m_columns;
    FindBar *m_find;
    const ArmyPlan *m_plan;
    QActionGroup *m_choices;
};
