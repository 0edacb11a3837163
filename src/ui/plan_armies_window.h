// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class ArmyPlan;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TallyDocument;

// "Plan Armies": the army on screen and the folder's army files, each with its figures, points
// and money and what the collection lacks of it; the armies ticked are planned together or one
// at a time, and the window says what the collection lacks of them and what that costs. It
// stays open beside the main window, following every count, and reads changed files again when
// it is shown or refreshed. The lacking units can be written as a shopping list.
class PlanArmiesWindow : public QDialog
{
    Q_OBJECT

public:
    // `say` puts a line in the main window's status bar.
    PlanArmiesWindow(ArmyPlan &plan, const TallyDocument &document, QChar decimalSeparator,
                     std::function<void(const QString &)> say, QWidget *parent);

    // Writes the plan's lacking units to `path`; false, after saying why, when it could not.
    bool writeShoppingList(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void chooseShoppingList();

    ArmyPlan &m_plan;
    const TallyDocument &m_document;
    QChar m_decimalSeparator;
    std::function<void(const QString &)> m_say;
    QTableWidget *tblArmies;
    QRadioButton *optTogether;
    QRadioButton *optOneAtATime;
    QLabel *lblPlan;
    QPushButton *cmdShoppingList;
    bool m_filling = false;
};
