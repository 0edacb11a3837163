// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_search.h"
#include "tally/unit_choice.h"

#include <QToolBar>

class LinkedColumns;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class TallyDocument;

// The find box at the foot of the main window: it shows only when asked for, adds its own
// height to the window rather than taking any from the designed controls, and selects the
// shown units whose ID, name or faction holds its text. Beside it the choice of units shown.
class FindBar : public QToolBar
{
    Q_OBJECT

public:
    FindBar(QMainWindow *window, LinkedColumns *columns, TallyDocument *document);

    // Shows the box with the focus in it and its text selected.
    void open();
    // Shows the bar with the focus on the choice of units shown.
    void openChoice();
    // The choice as the window made it, from the bar or elsewhere; a choice that hides units
    // keeps the bar shown, so that what it hides can be read beside it.
    void showChoice(UnitChoice choice);
    // Beside the choice: how many units are shown, and what the army lacks; `whole` says it
    // in full, as its tooltip.
    void showSummary(const QString &text, const QString &whole);
    // Gives the focus back to the list it came from and hides the bar, unless it holds a
    // choice that hides units.
    void close();

    // The next or the previous matching unit after the selected one, wrapping round; with the
    // box hidden, the last text is searched again.
    void findNext() { find(+1, false); }
    void findPrevious() { find(-1, false); }

    // The names of the choices, in the order of UnitChoice.
    static QStringList choiceNames();

Q_SIGNALS:
    void choiceMade(UnitChoice choice);

private:
    void find(int direction, bool fromSelected);
    // Shows or hides the bar, the window growing or shrinking by its height.
    void resizeWindow(bool showing);
    void showWith(QWidget *control);

    QMainWindow *m_window;
    LinkedColumns *m_columns;
    TallyDocument *m_document;
    UnitSearch m_search;
    QLineEdit *txtFind;
    QLabel *lblFindStatus;
    QComboBox *cboShow;
    QLabel *lblShown;
    QWidget *m_cameFrom = nullptr;
};
