// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "column_list_view.h"
#include "csv_commands.h"
#include "document/army_plan.h"
#include "edit_actions.h"
#include "find_bar.h"
#include "plan_armies_window.h"
#include "report_commands.h"
#include "show_choice.h"
#include "status_report.h"

#include <QAction>
#include <QListView>
#include <QMenu>

// The commands beyond the designed menus: undo, redo, find and the lists' menu, the choice of
// units shown, planning armies, CSV files, the print preview and PDF. They join the designed
// menus below a separator, after the designed items, and have keys of their own.

void frmMain::addCommands()
{
    // The commands without a designed menu item, and the choice of the units shown.
    auto *find = new FindBar(this, m_columns, &m_document);
    auto *edit = new EditActions(
        this, m_document, m_columns, find, m_status, [this] { return chosenTally(); },
        [this](Step step) { countFigure(step); });
    // Several armies planned against the collection, from the army menu.
    m_plan = new ArmyPlan(
        m_document, [this] { return m_keeper->catalogueId(); }, m_numberFormat, this);
    new ShowChoice(this, m_document, m_columns, find, edit->listMenu(), m_plan);
    auto *csv = new CsvCommands(m_document, this, m_columns, m_plan, m_status, m_numberFormat,
                                [this] { return chosenTally(); });
    const auto command = [this](QMenu *menu, const char *name, const QString &caption,
                                QKeyCombination key, auto handler) {
        QAction *action = EditActions::windowCommand(this, name, {QKeySequence(key)});
        action->setText(caption);
        menu->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu *print = findChild<QMenu *>(QStringLiteral("mnuPrintCollection"));
    print->addSeparator();
    command(print, "actPrintPreview", tr("Print Preview..."), Qt::CTRL | Qt::SHIFT | Qt::Key_P,
            [this] { m_reports->preview(); });
    command(print, "actSavePdf", tr("Save as PDF..."), Qt::CTRL | Qt::SHIFT | Qt::Key_D,
            [this] { m_reports->savePdf(); });
    QMenu *armyMenu = findChild<QMenu *>(QStringLiteral("mnuBlank"));
    armyMenu->addSeparator();
    command(armyMenu, "actPlanArmies", tr("Plan Armies..."), Qt::CTRL | Qt::SHIFT | Qt::Key_A,
            [this] { showPlan(); });
    QAction *exportCsv = command(armyMenu, "actExportCsv", tr("Export CSV..."),
                                 Qt::CTRL | Qt::Key_E, [csv] { csv->exportShown(); });
    QAction *importCsv = command(armyMenu, "actImportCsv", tr("Import CSV..."),
                                 Qt::CTRL | Qt::Key_I, [csv] { csv->importCounts(); });
    edit->listMenu()->addSeparator();
    edit->listMenu()->addActions({exportCsv, importCsv});
    for (QListView *list : ui.lists) {
        // Enter does in a list what a double-click there does.
        std::optional<Step> enter;
        if (list == ui.lstUnitId || list == ui.lstUnits)
            enter = Step::Add;
        else if (list == ui.lstCollection || list == ui.lstArmy)
            enter = Step::Remove;
        connect(
            static_cast<ColumnListView *>(list), &ColumnListView::menuRequested, edit,
            [edit, enter](int row, const QPoint &where) { edit->showListMenu(row, where, enter); });
    }
}

void frmMain::showPlan()
{
    if (m_planWindow == nullptr)
        m_planWindow = new PlanArmiesWindow(
            *m_plan, m_document, m_numberFormat.decimalSeparator,
            [this](const QString &line) { say(line); }, this);
    m_planWindow->show();
    m_planWindow->raise();
    m_planWindow->activateWindow();
}
