#pragma once

#include "catalogue/ruleset_files.h"
#include "catalogue_model.h"
#include "common/numbers.h"
#include "mod_globals.h"
#include "reports/collection_report.h"
#include "tally_files/tally_file.h"

#include <QMainWindow>

#include <array>

class QAction;
class QGroupBox;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;
class TallyPicker;

// The working window: the catalogue as eight linked column lists, the two tallies' names and
// totals, and the price-guide entry of the selected unit.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(modGlobals &globals, QWidget *parent = nullptr);

    // Reads the catalogue and the price guide from the current directory and shows them. The
    // counts of both tallies stay row by row and their totals are rebuilt with the new point
    // values and prices. A catalogue that yields no units, or totals that would overflow, leave
    // everything as it was. Returns what went wrong, for the caller to show once the windows
    // are up.
    QString LoadUnits();

    // Load the tally file named by the army or collection name box into that tally. A file that
    // is missing, damaged or would overflow a total changes nothing and is reported.
    void LoadArmy();
    void LoadCollection();

    // The selected catalogue row, or -1 when none is selected.
    int selectedRow() const;

    // Selects `row` in every column and scrolls it into view; -1 clears the selection.
    void selectRow(int row);

    // The eight column lists, left to right.
    const std::array<QListView *, CatalogueModel::ColumnCount> &lists() const { return m_lists; }

    CatalogueModel *model() const { return m_model; }

private:
    void buildControls();
    void buildMenus();
    void linkColumns();
    void alignTopRows(int topRow);

    // Shows the guide name and price of the selected unit.
    void lstUnits_Click();

    // Double-clicks count a figure of the selected unit into or out of the tally whose option
    // is chosen; the column only decides between adding and removing.
    void lstUnitId_DblClick();
    void lstUnits_DblClick();
    void lstArmy_DblClick();
    void lstCollection_DblClick();
    void countFigure(Step step);

    // Rewrites the six total labels from the totals.
    void showTotals();

    enum class Which
    {
        Collection,
        Army
    };
    Tally &tally(Which which);
    QLineEdit *nameBox(Which which) const;
    static QString tallyWord(Which which);
    static CatalogueModel::Column countColumn(Which which);

    void mnuSaveCollection_Click();
    void mnuSaveArmy_Click();
    void mnuLoadCollection_Click();
    void mnuLoadArmy_Click();
    void mnuAddArmyCollection_Click();
    void pickAndLoad(TallyPicker &picker, Which which);
    void saveTally(Which which);
    void loadTally(Which which);
    // The tally file of that name, or why it can't be read.
    TallyFile::Decoded readTallyFile(const QString &fileName) const;
    // Puts a changed tally on screen in one pass and selects the last row the file reached.
    void showChangedTally(Which which, Tally changed, qsizetype fileRows);
    void selectLastRow();

    void mnuPrintCollectionToFile_Click();
    void mnuPrintCollectionHtml_Click();
    void mnuPrintCollectionToPrinter_Click();
    void mnuExit_Click();
    // The collection as the reports see it: listed rows, and the summary when it is wanted.
    CollectionReport collectionReport() const;
    void writeReportFile(const QString &extension, const QByteArray &bytes);

    modGlobals &m_globals;
    CatalogueModel *m_model = nullptr;
    QItemSelectionModel *m_selection = nullptr;
    std::array<QListView *, CatalogueModel::ColumnCount> m_lists{};
    NumberFormat m_numberFormat;
    int m_topRow = 0;
    bool m_aligningTopRows = false;
    RulesetFilesAhead m_filesAhead;

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
    QAction *mnuIncludeSummary = nullptr;
};
