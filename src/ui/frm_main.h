// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ruleset_files.h"
#include "catalogue_model.h"
#include "common/numbers.h"
#include "document/session_keeper.h"
#include "document/tally_document.h"
#include "frm_main_controls.h"
#include "tally/unit_choice.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_reading.h"

#include <QMainWindow>

#include <memory>

class ArmyPlan;
class LinkedColumns;
class PlanArmiesWindow;
class SavedMarks;
class StatusReport;
class TallyFileCommands;
class RecoveryOffer;
class ReportCommands;
class TallyPicker;

// The working window: the catalogue as eight linked column lists, the two tallies' names and
// totals, and the price-guide entry of the selected unit. Its handlers read the name boxes,
// call the tally files and the document, and show what went wrong.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Shows `document`, which must outlive the window.
    explicit frmMain(TallyDocument &document, QWidget *parent = nullptr);
    ~frmMain() override;

    // Reads the catalogue and the price guide from the current directory and shows them. The
    // counts of both tallies stay row by row and their totals are rebuilt with the new point
    // values and prices; the undo history starts afresh. A catalogue that yields no units, or
    // totals that would overflow, leave everything as it was. Returns what went wrong, for the
    // caller to show once the windows are up.
    QString LoadUnits();

    // Load the tally file named by the army or collection name box into that tally, as one
    // step of the history. A file that is missing, damaged or would overflow a total changes
    // nothing and is reported.
    void LoadArmy();
    void LoadCollection();

    // The selected catalogue row, or -1 when none is selected.
    int selectedRow() const;

    // Selects `row` in every column and scrolls it into view; -1 clears the selection.
    void selectRow(int row);

    // What the last command did, as the status bar says it.
    QString statusLine() const;
    // What must not be lost when the program ends at once: the recovery copy brought up to date,
    // a printout under way sent to the printer, report files asked for written.
    void prepareToEnd();
    // Adds a sentence to what the status bar says.
    void sayToo(const QString &sentence);

    CatalogueModel *model() const { return m_model; }
    TallyDocument &document() { return m_document; }
    SessionKeeper &keeper() { return *m_keeper; }

    // Offers the tallies that sessions in this folder left unsaved when they ended: restored
    // as one step, discarded, or kept when they belong to another catalogue. Bad copies are
    // said and moved aside.
    void offerLeftSessions();

private:
    // Marks the count column that a double-click changes.
    void markCountingColumn();
    void say(const QString &line);

    // Shows the guide name and price of the selected unit.
    void lstUnits_Click();

    // Double-clicks count a figure of the selected unit into or out of the tally whose option
    // is chosen; the column only decides between adding and removing.
    void lstUnitId_DblClick();
    void lstUnits_DblClick();
    void lstArmy_DblClick();
    void lstCollection_DblClick();
    void countFigure(Step step);
    WhichTally chosenTally() const;

    // Follows the document: the total labels, and the unit whose count was done or undone.
    void tallyChanged(WhichTally which, int row);
    void showTotals();

    QLineEdit *nameBox(WhichTally which) const;

    void mnuSaveCollection_Click();
    void mnuSaveArmy_Click();
    void mnuLoadCollection_Click();
    void mnuLoadArmy_Click();
    void mnuAddArmyCollection_Click();
    void mnuPrintCollectionToFile_Click();
    void mnuPrintArmyToTextFile_Click();
    void mnuPrintCollectionHtml_Click();
    void mnuPrintCollectionToPrinter_Click();
    void mnuExit_Click();
    // The commands beyond the designed menus, in their menus and with their keys.
    void addCommands();
    // Opens the window that plans several armies against the collection.
    void showPlan();

    TallyDocument &m_document;
    const modGlobals &m_globals;
    CatalogueModel *m_model = nullptr;
    frmMainControls ui;
    LinkedColumns *m_columns = nullptr;
    ReportCommands *m_reports = nullptr;
    ArmyPlan *m_plan = nullptr;
    PlanArmiesWindow *m_planWindow = nullptr;
    StatusReport *m_status = nullptr;
    SavedMarks *m_marks = nullptr;
    NumberFormat m_numberFormat;
    RulesetFileReader m_files;
    // Goes before the document it keeps; the program's end brings its copy up to date first.
    std::unique_ptr<SessionKeeper> m_keeper;
    // They act on the keeper, and go before it.
    std::unique_ptr<TallyFileCommands> m_tallyFiles;
    std::unique_ptr<RecoveryOffer> m_recovery;
};
