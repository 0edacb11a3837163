// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class frmMain;

// The start window: it loads the catalogue into the main window and offers the rulesets
// ("*.arm" files) of the current directory; picking one reads the catalogue again.
class frmWorldPick : public QWidget
{
    Q_OBJECT

public:
    explicit frmWorldPick(frmMain &main, QWidget *parent = nullptr);

    // The start-up work: lists the rulesets, loads the units and shows the main window.
    // The caller shows this window afterwards.
    void Form_Load();

private:
    void filWorld_DblClick(QListWidgetItem *item);
    void listRulesets();
    // Places both windows on the screen before either shows: side by side where they fit,
    // else this one over the main window's lower right, never over its title or menus.
    void placeWindows(QPoint offset);
    void loadUnitsAndShowMain();

    frmMain &m_main;
    QListWidget *filWorld = nullptr;
    QLineEdit *txtX = nullptr;
};
