// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QMainWindow;
class QRadioButton;

// The main window's designed controls and menus, each in its designed place with its designed
// caption and name, as the window's handlers reach them.
struct frmMainControls
{
    // Builds them all into `window`, in their designed tab order, with the places that follow
    // the window's edges when it grows.
    void build(QMainWindow *window);

    QLineEdit *txtCollectionName = nullptr;
    QLineEdit *txtArmyName = nullptr;
    QListView *lstUnitId = nullptr;
    QListView *lstUnits = nullptr;
    QListView *lstStr = nullptr;
    QListView *lstFaction = nullptr;
    QListView *lstRarity = nullptr;
    QListView *lstPointValue = nullptr;
    QListView *lstCollection = nullptr;
    QListView *lstArmy = nullptr;
    // The eight column lists, left to right.
    std::array<QListView *, 8> lists{};
    QRadioButton *optCollection = nullptr;
    QRadioButton *optArmy = nullptr;
    QLabel *lblCollectionValue = nullptr;
    QLabel *lblCollectionNumber = nullptr;
    QLabel *lblCollectionPrice = nullptr;
    QLabel *lblArmyValue = nullptr;
    QLabel *lblArmyNumber = nullptr;
    QLabel *lblArmyPrice = nullptr;
    QLabel *lblPriceGuideName = nullptr;
    QLabel *lblUnitPrice = nullptr;

    QAction *mnuLoadCollection = nullptr;
    QAction *mnuSaveCollection = nullptr;
    QAction *mnuPrintCollectionToFile = nullptr;
    QAction *mnuPrintCollectionHtml = nullptr;
    QAction *mnuPrintCollectionToPrinter = nullptr;
    QAction *mnuAddArmyCollection = nullptr;
    QAction *mnuIncludeSummary = nullptr;
    QAction *mnuLoadArmy = nullptr;
    QAction *mnuSaveArmy = nullptr;
    QAction *mnuPrintArmyToTextFile = nullptr;
    QAction *mnuExit = nullptr;

private:
    void buildMenus(QMainWindow *window);
};
