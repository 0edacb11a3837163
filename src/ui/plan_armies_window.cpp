// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_armies_window.h"

#include "common/file_names.h"
#include "common/output_file.h"
#include "document/army_plan.h"
#include "messages.h"
#include "reports/shopping_list.h"
#include "status_report.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

enum Column
{
    ArmyColumn,
    FiguresColumn,
    PointsColumn,
    MoneyColumn,
    LackingColumn,
    CostColumn,
    NoteColumn,
    Columns
};

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    return made;
}

} // namespace

PlanArmiesWindow::PlanArmiesWindow(ArmyPlan &plan, const TallyDocument &document,
                                   QChar decimalSeparator, std::function<void(const QString &)> say,
                                   QWidget *parent)
    : QDialog(parent), m_plan(plan), m_document(document), m_decimalSeparator(decimalSeparator),
      m_say(std::move(say)), tblArmies(new QTableWidget(0, Columns, this)),
      optTogether(new QRadioButton(tr("Played &together"), this)),
      optOneAtATime(new QRadioButton(tr("&One at a time"), this)), lblPlan(new QLabel(this)),
      cmdShoppingList(button(this, "cmdShoppingList", tr("Write &Shopping List...")))
{
    setObjectName(QStringLiteral("frmPlanArmies"));
    setWindowTitle(tr("Plan Armies"));
    tblArmies->setObjectName(QStringLiteral("tblArmies"));
    tblArmies->setAccessibleName(tr("Armies to plan"));
    tblArmies->setHorizontalHeaderLabels({tr("Army"), tr("Figures"), tr("Points"), tr("Money"),
                                          tr("Lacking"), tr("Cost"), tr("Note")});
    tblArmies->verticalHeader()->hide();
    tblArmies->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblArmies->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblArmies->horizontalHeader()->setStretchLastSection(true);
    optTogether->setObjectName(QStringLiteral("optTogether"));
    optOneAtATime->setObjectName(QStringLiteral("optOneAtATime"));
    optTogether->setChecked(plan.way() == PlanWay::Together);
    optOneAtATime->setChecked(plan.way() == PlanWay::OneAtATime);
    lblPlan->setObjectName(QStringLiteral("lblPlan"));
    lblPlan->setWordWrap(true);
    lblPlan->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton *refresh = button(this, "cmdRefresh", tr("&Refresh"));
    QPushButton *close = button(this, "cmdClose", tr("Close"));

    auto *ways = new QHBoxLayout;
    ways->addWidget(optTogether);
    ways->addWidget(optOneAtATime);
    ways->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(refresh);
    buttons->addWidget(cmdShoppingList);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tblArmies);
    layout->addLayout(ways);
    layout->addWidget(lblPlan);
    layout->addLayout(buttons);
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 24);

    connect(tblArmies, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_filling && item->column() == ArmyColumn)
            m_plan.setTicked(item->row(), item->checkState() == Qt::Checked);
    });
    connect(optTogether, &QRadioButton::toggled, this, [this](bool together) {
        m_plan.setWay(together ? PlanWay::Together : PlanWay::OneAtATime);
    });
    connect(refresh, &QPushButton::clicked, &m_plan, &ArmyPlan::refresh);
    connect(cmdShoppingList, &QPushButton::clicked, this, &PlanArmiesWindow::chooseShoppingList);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_plan, &ArmyPlan::changed, this, [this] {
        if (isVisible())
            fill();
    });
    // Fitted to the armies listed, not on every count: measuring every cell of a long list
    // costs more than the count itself.
    connect(&m_plan, &ArmyPlan::replanned, this, [this] {
        if (isVisible())
            tblArmies->resizeColumnsToContents();
    });
}

void PlanArmiesWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Files saved or changed since the window was last shown are read now.
    m_plan.refresh();
}

void PlanArmiesWindow::fill()
{
    const QLocale locale;
    const auto money = [&locale](const Lacking &lacking) {
        QString text =
            lacking.figures > lacking.unpriced ? locale.toString(lacking.cost, 'f', 2) : QString();
        if (lacking.unpriced > 0)
            text += (text.isEmpty() ? QString() : QStringLiteral(" ")) +
                    tr("(%1 without a price)").arg(locale.toString(lacking.unpriced, 'g', 7));
        return text;
    };
    const QList<ArmyPlan::Army> &armies = m_plan.armies();
    m_filling = true;
    tblArmies->setRowCount(int(armies.size()));
    for (int row = 0; row < int(armies.size()); ++row) {
        const ArmyPlan::Army &army = armies.at(row);
        const bool usable = army.file.problem.isEmpty();
        const Totals &totals = army.file.tally.totals;
        QString name = army.file.name;
        if (army.onScreen)
            name = name.isEmpty() ? tr("The army on screen") : tr("%1 (on screen)").arg(name);
        QString note = army.file.problem;
        if (usable && army.file.byPosition)
            note = tr("By position: no record says which unit each row was.");
        const QStringList texts{name,
                                usable ? QString::number(totals.number) : QString(),
                                usable ? QString::number(totals.value) : QString(),
                                usable ? totalsText(totals, m_decimalSeparator).value : QString(),
                                usable ? locale.toString(army.lacking.figures, 'g', 7) : QString(),
                                usable ? money(army.lacking) : QString(),
                                note};
        for (int column = 0; column < Columns; ++column) {
            QTableWidgetItem *item = tblArmies->item(row, column);
            if (item == nullptr)
                tblArmies->setItem(row, column, item = new QTableWidgetItem);
            item->setText(texts.at(column));
            if (column > ArmyColumn && column < NoteColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        QTableWidgetItem *tick = tblArmies->item(row, ArmyColumn);
        // Only what changed is set: each change repaints its row, and a count changes few.
        const Qt::ItemFlags flags =
            usable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                   : Qt::ItemIsSelectable;
        if (tick->flags() != flags)
            tick->setFlags(flags);
        tick->setCheckState(army.ticked ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;

    const int ticked = m_plan.ticked();
    const Lacking &lacking = m_plan.lacking();
    cmdShoppingList->setEnabled(lacking.figures > 0);
    if (ticked == 0) {
        lblPlan->setText(tr("Tick the armies to plan against the collection."));
        return;
    }
    QString text = (m_plan.way() == PlanWay::Together
                        ? tr("Played together, the %n ticked army(s) lack %1 of the collection.",
                             nullptr, ticked)
                        : tr("Played one at a time, the %n ticked army(s) lack %1 of the "
                             "collection.",
                             nullptr, ticked))
                       .arg(figures(qint64(lacking.figures)));
    if (lacking.figures > lacking.unpriced)
        text += u' ' + tr("They cost about %1.").arg(locale.toString(lacking.cost, 'f', 2));
    if (lacking.unpriced > 0)
        text += u' ' + tr("The guide has no price for %1.").arg(figures(qint64(lacking.unpriced)));
    lblPlan->setText(text);
}

void PlanArmiesWindow::chooseShoppingList()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Write Shopping List"),
        QDir::current().filePath(tr("Shopping list") + QStringLiteral(".txt")),
        tr("Text files (*.txt)"));
    if (!path.isEmpty())
        writeShoppingList(path);
}

bool PlanArmiesWindow::writeShoppingList(const QString &path)
{
    const modGlobals &shown = m_document.data();
    const QString error = writeWholeFile(
        path, shoppingList(m_plan.needs(), shown.collection.counts, shown.catalogue));
    if (!error.isEmpty()) {
        Messages::warn(this, tr("Could not write the shopping list \"%1\": %2")
                                 .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_say(tr("Wrote the shopping list \"%1\": %2 lacking.")
              .arg(QDir::toNativeSeparators(path), figures(qint64(m_plan.lacking().figures))));
    return true;
}
