// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "accessibility.h"
#include "column_list_view.h"
#include "common/file_names.h"
#include "common/output_file.h"
#include "document/army_plan.h"
#include "document/ruleset_reload.h"
#include "document/session_keeper.h"
#include "edit_actions.h"
#include "find_bar.h"
#include "frm_load_tally.h"
#include "linked_columns.h"
#include "messages.h"
#include "plan_armies_window.h"
#include "recovery_offer.h"
#include "report_commands.h"
#include "saved_marks.h"
#include "show_choice.h"
#include "shown_units.h"
#include "status_report.h"
#include "tally_file_commands.h"
#include "tally_files/tally_loading.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>

frmMain::frmMain(TallyDocument &document, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_globals(document.data()),
      m_model(new CatalogueModel(m_document, this)), m_numberFormat(regionalFormat(QLocale()))
{
    // Saving past a file-size limit must fail with an error this window reports, not end the
    // program with the signal the system sends for it.
    ignoreFileSizeSignal();
    // The first LoadUnits comes once the windows stand; a big catalogue is read meanwhile.
    m_files.startAhead();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("RF Collection Tracking Thing"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/org.rostermere.Rostermere.svg")));
    setFont(designFont(font()));
    ui.build(this);
    m_status = new StatusReport(this);
    m_marks = new SavedMarks(m_document, {ui.txtCollectionName, ui.txtArmyName}, m_status);
    // The window opens at its designed size, with the status bar below, and grows from there.
    resize(minimumSizeHint());
    m_columns = new LinkedColumns(ui.lists, new ShownUnits(m_model, m_document, this), this);
    connect(&m_document, &TallyDocument::tallyChanged, this, &frmMain::tallyChanged);
    connect(&m_document, &TallyDocument::catalogueReplaced, this, &frmMain::showTotals);
    // A reload leaves no unit selected, whether or not the model was reset.
    connect(&m_document, &TallyDocument::catalogueReplaced, m_columns->selection(),
            &QItemSelectionModel::reset);

    connect(m_columns->selection(), &QItemSelectionModel::selectionChanged, this,
            &frmMain::lstUnits_Click);
    connect(ui.lstUnitId, &QListView::doubleClicked, this, &frmMain::lstUnitId_DblClick);
    connect(ui.lstUnits, &QListView::doubleClicked, this, &frmMain::lstUnits_DblClick);
    connect(ui.lstArmy, &QListView::doubleClicked, this, &frmMain::lstArmy_DblClick);
    connect(ui.lstCollection, &QListView::doubleClicked, this, &frmMain::lstCollection_DblClick);
    // Enter does what a double-click does, so that figures can be counted from the keyboard.
    chooseOnEnter(ui.lstUnitId, [this] { lstUnitId_DblClick(); });
    chooseOnEnter(ui.lstUnits, [this] { lstUnits_DblClick(); });
    chooseOnEnter(ui.lstArmy, [this] { lstArmy_DblClick(); });
    chooseOnEnter(ui.lstCollection, [this] { lstCollection_DblClick(); });

    const std::pair<QAction *, void (frmMain::*)()> menu[] = {
        {ui.mnuLoadCollection, &frmMain::mnuLoadCollection_Click},
        {ui.mnuSaveCollection, &frmMain::mnuSaveCollection_Click},
        {ui.mnuPrintCollectionToFile, &frmMain::mnuPrintCollectionToFile_Click},
        {ui.mnuPrintCollectionHtml, &frmMain::mnuPrintCollectionHtml_Click},
        {ui.mnuPrintCollectionToPrinter, &frmMain::mnuPrintCollectionToPrinter_Click},
        {ui.mnuPrintArmyToTextFile, &frmMain::mnuPrintArmyToTextFile_Click},
        {ui.mnuAddArmyCollection, &frmMain::mnuAddArmyCollection_Click},
        {ui.mnuLoadArmy, &frmMain::mnuLoadArmy_Click},
        {ui.mnuSaveArmy, &frmMain::mnuSaveArmy_Click},
        {ui.mnuExit, &frmMain::mnuExit_Click}};
    for (const auto &[action, handler] : menu) {
        // What an earlier command did is no answer to this one, which says its own.
        connect(action, &QAction::triggered, this, [this] { say(QString()); });
        connect(action, &QAction::triggered, this, handler);
    }
    connect(ui.mnuIncludeSummary, &QAction::toggled, this, [this](bool checked) {
        say(checked ? tr("The reports end with a summary of the collection's totals.")
                    : tr("The reports end without a summary."));
    });
    // The name boxes and the document name the tallies alike: typing goes to the document, and
    // a load, or its undoing, comes back to the box.
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
        connect(nameBox(which), &QLineEdit::textChanged, this,
                [this, which](const QString &name) { m_document.setName(which, name); });
    connect(&m_document, &TallyDocument::nameChanged, this,
            [this](WhichTally which, const QString &name) {
                if (nameBox(which)->text() != name)
                    nameBox(which)->setText(name);
            });
    m_keeper = std::make_unique<SessionKeeper>(m_document);
    m_tallyFiles = std::make_unique<TallyFileCommands>(
        m_document, *m_keeper, this, std::array{ui.txtCollectionName, ui.txtArmyName}, m_status,
        m_numberFormat);
    m_recovery = std::make_unique<RecoveryOffer>(m_document, *m_keeper, this, m_status,
                                                 std::array{ui.optCollection, ui.optArmy});
    connect(ui.optArmy, &QRadioButton::toggled, m_keeper.get(), &SessionKeeper::setArmyChosen);
    connect(m_keeper.get(), &SessionKeeper::failed, this,
            [this](const QString &error, bool countsAtRisk) {
                if (!countsAtRisk) {
                    Messages::warn(this, error);
                    return;
                }
                m_marks->copyFailed(error);
                Messages::warn(this, tr("The counts not yet saved could not be kept in a recovery "
                                        "copy, so they are lost if Rostermere ends before you "
                                        "save them. %1")
                                         .arg(error));
            });
    m_reports = new ReportCommands(m_document, this, m_status, ui.mnuIncludeSummary,
                                   m_numberFormat.decimalSeparator);
    addCommands();
    connect(ui.optArmy, &QRadioButton::toggled, this, &frmMain::markCountingColumn);
    markCountingColumn();
}

frmMain::~frmMain() = default;

int frmMain::selectedRow() const
{
    return m_columns->selectedRow();
}

void frmMain::selectRow(int row)
{
    m_columns->selectRow(row);
}

QString frmMain::statusLine() const
{
    return m_status->line();
}

void frmMain::prepareToEnd()
{
    m_keeper->flush();
    m_reports->waitUntilSent();
    ReportCommands::finishWriting();
}

void frmMain::sayToo(const QString &sentence)
{
    m_status->sayToo(sentence);
}

void frmMain::offerLeftSessions()
{
    m_recovery->offerLeftSessions();
}

void frmMain::say(const QString &line)
{
    m_status->say(line);
}

void frmMain::lstUnits_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    ui.lblPriceGuideName->setText(m_globals.catalogue.UnitGuideName.value(row));
    ui.lblUnitPrice->setText(m_globals.catalogue.UnitPrice.value(row));
}

void frmMain::tallyChanged(WhichTally, int row)
{
    showTotals();
    // A count done or undone shows its unit; a whole tally leaves the selection where it is.
    if (row >= 0)
        selectRow(row);
}

void frmMain::showTotals()
{
    const auto show = [this](WhichTally which, QLabel *number, QLabel *value, QLabel *price) {
        const TotalsText text =
            totalsText(m_document.tally(which).totals, m_numberFormat.decimalSeparator);
        number->setText(text.pieces);
        value->setText(text.points);
        price->setText(text.value);
    };
    show(WhichTally::Collection, ui.lblCollectionNumber, ui.lblCollectionValue,
         ui.lblCollectionPrice);
    show(WhichTally::Army, ui.lblArmyNumber, ui.lblArmyValue, ui.lblArmyPrice);
}

QLineEdit *frmMain::nameBox(WhichTally which) const
{
    return which == WhichTally::Army ? ui.txtArmyName : ui.txtCollectionName;
}

void frmMain::mnuPrintCollectionToFile_Click()
{
    m_reports->writeText(WhichTally::Collection);
}

void frmMain::mnuPrintArmyToTextFile_Click()
{
    m_reports->writeText(WhichTally::Army);
}

void frmMain::mnuPrintCollectionHtml_Click()
{
    m_reports->writeHtml();
}

void frmMain::mnuPrintCollectionToPrinter_Click()
{
    m_reports->print();
}

void frmMain::mnuExit_Click()
{
    // Ends at once: nothing is saved and nothing is asked, as users of the menu expect.
    QCoreApplication::exit(0);
}

QString frmMain::LoadUnits()
{
    RulesetFiles files = m_files.read();
    RulesetFileReader::State state = RulesetFileReader::stateOf(files);
    RulesetReload reload = reloadRuleset(std::move(files), m_globals);
    if (reload.next) {
        m_files.shown(std::move(state));
        m_document.replaceCatalogue(std::move(*reload.next));
        say(tr("Read %1 from \"%2\".").arg(units(m_globals.catalogue.size()), CatalogueFileName));
        for (const QString &note : reload.notes)
            sayToo(note);
    }
    return reload.report.join(u'\n');
}
