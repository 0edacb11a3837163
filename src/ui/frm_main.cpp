#include "frm_main.h"

#include "accessibility.h"
#include "catalogue/catalogue_file.h"
#include "catalogue/price_guide.h"
#include "column_list_view.h"
#include "common/file_names.h"
#include "common/output_file.h"
#include "frm_load_tally.h"
#include "growing_places.h"
#include "messages.h"
#include "printer_line_printer.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_loading.h"
#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

template <typename Widget> Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// Captions designed two lines high wrap; one-line captions widen to show their whole text.
QLabel *staticText(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = place(new QLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const bool twoLines = geometry.height() >= twipsToPixels(375);
    label->setWordWrap(twoLines);
    if (!twoLines && label->sizeHint().width() > geometry.width())
        label->resize(label->sizeHint().width(), geometry.height());
    return label;
}

QLabel *valueText(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  const QString &what)
{
    auto *label = place(new ValueLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleName(what);
    return label;
}

QAction *menuItem(QWidget *menu, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

QMenu *subMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QString fileProblems(const QString &fileName, const QString &error,
                     const QList<LoadProblem> &problems)
{
    QStringList lines;
    if (!error.isEmpty())
        lines.append(frmMain::tr("Could not read \"%1\": %2").arg(fileName, error));
    for (const LoadProblem &problem : problems)
        lines.append(QStringLiteral("\"%1\", %2").arg(fileName, describe(problem)));
    return lines.join(u'\n');
}

NumberFormat regionalFormat(const QLocale &locale)
{
    NumberFormat format;
    if (!locale.decimalPoint().isEmpty())
        format.decimalSeparator = locale.decimalPoint().front();
    if (!locale.groupSeparator().isEmpty())
        format.groupSeparator = locale.groupSeparator().front();
    return format;
}

QString totalName(TotalKind total)
{
    switch (total) {
    case TotalKind::Figures:
        return frmMain::tr("number of figures");
    case TotalKind::Points:
        return frmMain::tr("total point value");
    case TotalKind::Money:
        return frmMain::tr("approximate value");
    case TotalKind::None:
        break;
    }
    return QString();
}

} // namespace

frmMain::frmMain(modGlobals &globals, QWidget *parent)
    : QMainWindow(parent), m_globals(globals), m_model(new CatalogueModel(globals, this)),
      m_numberFormat(regionalFormat(QLocale()))
{
    // Saving past a file-size limit must fail with an error this window reports, not end the
    // program with the signal the system sends for it.
    ignoreFileSizeSignal();
    // The first LoadUnits comes once the windows stand; a big catalogue is read meanwhile.
    m_filesAhead.start();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("RF Collection Tracking Thing"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/org.rostermere.Rostermere.svg")));
    setFont(designFont(font()));
    buildControls();
    buildMenus();
    // The window opens at its designed size and grows from there (see buildControls).
    resize(minimumSizeHint());
    linkColumns();
}

void frmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->resize(sizeFromTwips(9675, 5220));
    setCentralWidget(client);

    staticText(client, "Label17", tr("Collection Name  -->"), fromTwips(120, 0, 1455, 255));
    txtCollectionName =
        place(new QLineEdit(client), "txtCollectionName", fromTwips(1680, 0, 1935, 285));
    staticText(client, "Label18", tr("Army Name --->"), fromTwips(4440, 0, 1215, 255));
    txtArmyName = place(new QLineEdit(client), "txtArmyName", fromTwips(5640, 0, 1455, 285));
    txtCollectionName->setAccessibleName(tr("Collection name"));
    txtArmyName->setAccessibleName(tr("Army name"));

    staticText(client, "Label1", tr("Unit ID Number"), fromTwips(120, 360, 735, 375));
    staticText(client, "Label2", tr("Unit Name"), fromTwips(960, 480, 2415, 255));
    staticText(client, "Label4", tr("Strength"), fromTwips(3480, 480, 1095, 255));
    staticText(client, "Label3", tr("Faction"), fromTwips(4680, 480, 1935, 255));
    staticText(client, "Label5", tr("Rarity"), fromTwips(6840, 480, 375, 255));
    staticText(client, "Label6", tr("Point Value"), fromTwips(7440, 360, 615, 375));
    staticText(client, "Label7", tr("# in Collection"), fromTwips(8040, 360, 735, 375));
    staticText(client, "Label8", tr("# in Current Army"), fromTwips(8760, 360, 855, 375));

    auto list = [client](const char *name, int left, int width, const QString &what) {
        auto *view = place(new ColumnListView(client), name, fromTwips(left, 840, width, 1200));
        view->setAccessibleName(what);
        return view;
    };
    lstUnitId = list("lstUnitId", 120, 855, tr("Unit ID number"));
    lstUnits = list("lstUnits", 960, 2655, tr("Unit name"));
    lstStr = list("lstStr", 3600, 1215, tr("Strength"));
    lstFaction = list("lstFaction", 4800, 2055, tr("Faction"));
    lstRarity = list("lstRarity", 6840, 615, tr("Rarity"));
    lstPointValue = list("lstPointValue", 7440, 735, tr("Point value"));
    lstCollection =
        list("lstCollection", 8160, 735, tr("Number of figures of each unit in the collection"));
    lstArmy = list("lstArmy", 8880, 735, tr("Number of figures of each unit in the army"));
    m_lists = {lstUnitId, lstUnits,      lstStr,        lstFaction,
               lstRarity, lstPointValue, lstCollection, lstArmy};

    auto *frame1 = place(new QGroupBox(tr("Add/Subtract To/From"), client), "Frame1",
                         fromTwips(120, 2280, 2175, 735));
    optCollection = place(new QRadioButton(tr("Collection"), frame1), "optCollection",
                          fromTwips(120, 360, 1095, 255));
    optArmy =
        place(new QRadioButton(tr("Army"), frame1), "optArmy", fromTwips(1320, 360, 735, 255));
    optCollection->setAccessibleName(tr("Count into the collection"));
    optArmy->setAccessibleName(tr("Count into the army"));
    optCollection->setChecked(true);

    auto *frame2 = place(new QGroupBox(tr("Collection Stats"), client), "Frame2",
                         fromTwips(120, 3240, 2655, 1935));
    staticText(frame2, "Label10", tr("Total Point Value"), fromTwips(120, 360, 1455, 255));
    lblCollectionValue =
        valueText(frame2, "lblCollectionValue", QStringLiteral("0"), fromTwips(1800, 360, 735, 255),
                  tr("Total point value of the collection"));
    staticText(frame2, "Label11", tr("Number of Figures"), fromTwips(120, 720, 1455, 255));
    lblCollectionNumber =
        valueText(frame2, "lblCollectionNumber", QStringLiteral("0"),
                  fromTwips(1800, 720, 735, 255), tr("Number of figures in the collection"));
    QLabel *label9 =
        staticText(frame2, "Label9", tr("Aproximate Value ($)"), fromTwips(120, 1080, 1575, 375));
    label9->setToolTip(tr("Tae this with a large grain of salt. The data for any figures (the "
                          "commons) is very sparse."));
    lblCollectionPrice = valueText(frame2, "lblCollectionPrice", QStringLiteral("0"),
                                   fromTwips(1800, 1080, 735, 255),
                                   tr("Approximate value of the collection in dollars"));

    auto *frame3 =
        place(new QGroupBox(tr("Army Stats"), client), "Frame3", fromTwips(3000, 3240, 2535, 1935));
    staticText(frame3, "Label14", tr("Point Value"), fromTwips(120, 360, 855, 255));
    lblArmyValue = valueText(frame3, "lblArmyValue", QStringLiteral("0"),
                             fromTwips(1680, 360, 735, 255), tr("Point value of the army"));
    staticText(frame3, "Label16", tr("Number of Figures"), fromTwips(120, 720, 1335, 255));
    lblArmyNumber = valueText(frame3, "lblArmyNumber", QStringLiteral("0"),
                              fromTwips(1680, 720, 735, 255), tr("Number of figures in the army"));
    staticText(frame3, "Label15", tr("Aproximate Value ($)"), fromTwips(120, 1080, 1575, 255));
    lblArmyPrice =
        valueText(frame3, "lblArmyPrice", QStringLiteral("0"), fromTwips(1680, 1080, 735, 255),
                  tr("Approximate value of the army in dollars"));

    auto *price = place(new QGroupBox(tr("Priceguide Info"), client), "frmPrice",
                        fromTwips(6120, 3240, 3375, 1815));
    staticText(price, "Label12", tr("Name in Guide"), fromTwips(120, 360, 615, 375));
    lblPriceGuideName =
        valueText(price, "lblPriceGuideName", QString(), fromTwips(1080, 360, 2175, 375),
                  tr("Name of the selected unit in the price guide"));
    lblPriceGuideName->setWordWrap(true);
    staticText(price, "Label13", tr("Priceguide Value ($)"), fromTwips(120, 960, 975, 495));
    lblUnitPrice = valueText(price, "lblUnitPrice", QString(), fromTwips(1680, 960, 1575, 495),
                             tr("Price guide value of the selected unit in dollars"));

    // A larger window shows more rows, and longer names in the widened name column; the
    // columns right of the names and the boxes below the lists go with the edge they stand by.
    using Edge = GrowingPlaces::Edge;
    const std::pair<QStringList, int> growth[] = {
        {{u"Label2"_s}, Edge::Width},
        {{u"lstUnits"_s}, Edge::Width | Edge::Height},
        {{u"lstUnitId"_s}, Edge::Height},
        {{u"Label4"_s, u"Label3"_s, u"Label5"_s, u"Label6"_s, u"Label7"_s, u"Label8"_s},
         Edge::Right},
        {{u"lstStr"_s, u"lstFaction"_s, u"lstRarity"_s, u"lstPointValue"_s, u"lstCollection"_s,
          u"lstArmy"_s},
         Edge::Right | Edge::Height},
        {{u"Frame1"_s, u"Frame2"_s, u"Frame3"_s}, Edge::Bottom},
        {{u"frmPrice"_s}, Edge::Right | Edge::Bottom}};
    auto *places = new GrowingPlaces(client);
    for (const auto &[names, edges] : growth)
        for (const QString &name : names)
            places->follow(client->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly), edges);

    const QList<QWidget *> tabOrder = {
        lstUnits,      lstUnitId, lstStr,        lstFaction, lstPointValue,     lstRarity,
        lstCollection, lstArmy,   optCollection, optArmy,    txtCollectionName, txtArmyName};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // All ten menu titles have to fit the designed window width.
    bar->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 4px; }"));
    connect(menuItem(bar, "mnuLoadCollection", tr("Load Collection")), &QAction::triggered, this,
            &frmMain::mnuLoadCollection_Click);
    connect(menuItem(bar, "mnuSaveCollection", tr("Save Collection")), &QAction::triggered, this,
            &frmMain::mnuSaveCollection_Click);
    QMenu *print = subMenu(bar, "mnuPrintCollection", tr("Print Collection"));
    print->setFont(font());
    connect(menuItem(print, "mnuPrintCollectionToFile", tr("Print Collection To File")),
            &QAction::triggered, this, &frmMain::mnuPrintCollectionToFile_Click);
    connect(menuItem(print, "mnuPrintCollectionHtml", tr("Print Collection to HTML")),
            &QAction::triggered, this, &frmMain::mnuPrintCollectionHtml_Click);
    connect(menuItem(print, "mnuPrintCollectionToPrinter", tr("Print Collection To Printer")),
            &QAction::triggered, this, &frmMain::mnuPrintCollectionToPrinter_Click);
    QMenu *blank = subMenu(bar, "mnuBlank", QStringLiteral("-----------------"));
    blank->setFont(font());
    nameMenuItem(blank->menuAction(), tr("Army and summary commands"));
    connect(menuItem(blank, "mnuAddArmyCollection", tr("Add Army To Collection")),
            &QAction::triggered, this, &frmMain::mnuAddArmyCollection_Click);
    // A check item that flips itself; it is read by the reports and never stored.
    mnuIncludeSummary = menuItem(blank, "mnuIncludeSummary", tr("Include Summary in Printout"));
    mnuIncludeSummary->setCheckable(true);
    mnuIncludeSummary->setChecked(false);
    connect(menuItem(bar, "mnuLoadArmy", tr("Load Army")), &QAction::triggered, this,
            &frmMain::mnuLoadArmy_Click);
    connect(menuItem(bar, "mnuSaveArmy", tr("Save Army")), &QAction::triggered, this,
            &frmMain::mnuSaveArmy_Click);
    // Listed for the army as for the collection, but there is no army report: it does nothing.
    menuItem(bar, "mnuPrintArmyToTextFile", tr("Print Army To File"));
    connect(menuItem(bar, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &frmMain::mnuExit_Click);
}

void frmMain::linkColumns()
{
    // One selection model for all eight lists: selecting a row anywhere selects it everywhere.
    m_selection = new QItemSelectionModel(m_model, this);
    for (int column = 0; column < CatalogueModel::ColumnCount; ++column) {
        QListView *view = m_lists[column];
        view->setModel(m_model);
        view->setModelColumn(column);
        view->setSelectionModel(m_selection);
        QScrollBar *bar = view->verticalScrollBar();
        connect(bar, &QScrollBar::valueChanged, this, &frmMain::alignTopRows);
        // A list that is laid out later than the others gets the shared top row once it can.
        connect(bar, &QScrollBar::rangeChanged, this, [this, bar] {
            if (!m_aligningTopRows)
                bar->setValue(m_topRow);
        });
    }
    connect(m_selection, &QItemSelectionModel::selectionChanged, this, &frmMain::lstUnits_Click);
    connect(lstUnitId, &QListView::doubleClicked, this, &frmMain::lstUnitId_DblClick);
    connect(lstUnits, &QListView::doubleClicked, this, &frmMain::lstUnits_DblClick);
    connect(lstArmy, &QListView::doubleClicked, this, &frmMain::lstArmy_DblClick);
    connect(lstCollection, &QListView::doubleClicked, this, &frmMain::lstCollection_DblClick);
    // Enter does what a double-click does, so that figures can be counted from the keyboard.
    chooseOnEnter(lstUnitId, [this] { lstUnitId_DblClick(); });
    chooseOnEnter(lstUnits, [this] { lstUnits_DblClick(); });
    chooseOnEnter(lstArmy, [this] { lstArmy_DblClick(); });
    chooseOnEnter(lstCollection, [this] { lstCollection_DblClick(); });
}

void frmMain::alignTopRows(int topRow)
{
    // The lists scroll per row, so a scroll bar's value is its top row.
    if (m_aligningTopRows)
        return;
    m_aligningTopRows = true;
    m_topRow = topRow;
    for (QListView *view : m_lists)
        view->verticalScrollBar()->setValue(topRow);
    m_aligningTopRows = false;
}

int frmMain::selectedRow() const
{
    const QItemSelection selection = m_selection->selection();
    return selection.isEmpty() ? -1 : selection.first().top();
}

void frmMain::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_selection->clear();
        return;
    }
    const QModelIndex index = m_model->index(row, CatalogueModel::NameColumn);
    m_selection->setCurrentIndex(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    lstUnits->scrollTo(index);
}

void frmMain::lstUnits_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    lblPriceGuideName->setText(m_globals.catalogue.UnitGuideName.at(row));
    lblUnitPrice->setText(m_globals.catalogue.UnitPrice.at(row));
}

void frmMain::lstUnitId_DblClick()
{
    countFigure(Step::Add);
}

void frmMain::lstUnits_DblClick()
{
    countFigure(Step::Add);
}

void frmMain::lstArmy_DblClick()
{
    countFigure(Step::Remove);
}

void frmMain::lstCollection_DblClick()
{
    countFigure(Step::Remove);
}

void frmMain::countFigure(Step step)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Which which = optArmy->isChecked() ? Which::Army : Which::Collection;
    const FigureChange change =
        changeFigure(tally(which), row, m_globals.catalogue.UnitPointValue.at(row),
                     m_globals.catalogue.UnitPrice.at(row), step);
    if (change.overflow != TotalKind::None) {
        const QString message =
            step == Step::Add
                ? tr("Adding this figure would take the %1's %2 out of its range, so nothing "
                     "was changed.")
                : tr("Removing this figure would take the %1's %2 out of its range, so nothing "
                     "was changed.");
        Messages::warn(this, message.arg(tallyWord(which), totalName(change.overflow)));
        return;
    }
    if (!change.changed)
        return;
    m_model->countChanged(row, countColumn(which));
    showTotals();
}

void frmMain::showTotals()
{
    const auto show = [this](const Totals &totals, QLabel *number, QLabel *value, QLabel *price) {
        number->setText(QString::number(totals.number));
        value->setText(QString::number(totals.value));
        price->setText(singleText(totals.price, m_numberFormat.decimalSeparator));
    };
    show(m_globals.collection.totals, lblCollectionNumber, lblCollectionValue, lblCollectionPrice);
    show(m_globals.army.totals, lblArmyNumber, lblArmyValue, lblArmyPrice);
}

Tally &frmMain::tally(Which which)
{
    return which == Which::Army ? m_globals.army : m_globals.collection;
}

QLineEdit *frmMain::nameBox(Which which) const
{
    return which == Which::Army ? txtArmyName : txtCollectionName;
}

CatalogueModel::Column frmMain::countColumn(Which which)
{
    return which == Which::Army ? CatalogueModel::ArmyColumn : CatalogueModel::CollectionColumn;
}

QString frmMain::tallyWord(Which which)
{
    return which == Which::Army ? tr("army") : tr("collection");
}

void frmMain::selectLastRow()
{
    if (m_model->rowCount() > 0)
        selectRow(m_model->rowCount() - 1);
}

void frmMain::mnuSaveCollection_Click()
{
    saveTally(Which::Collection);
}

void frmMain::mnuSaveArmy_Click()
{
    saveTally(Which::Army);
}

void frmMain::saveTally(Which which)
{
    const QString fileName = TallyFile::fileName(nameBox(which)->text());
    QString error = fileNameProblem(fileName, NameUse::Writing);
    if (error.isEmpty())
        error = TallyFile::save(fileName, tally(which).counts);
    if (!error.isEmpty()) {
        Messages::warn(this, tr("Could not save the %1 to \"%2\": %3")
                                 .arg(tallyWord(which), shownName(fileName), error));
        return;
    }
    selectLastRow();
}

void frmMain::mnuLoadCollection_Click()
{
    frmLoadCollection picker(this);
    pickAndLoad(picker, Which::Collection);
}

void frmMain::mnuLoadArmy_Click()
{
    frmLoadArmy picker(this);
    pickAndLoad(picker, Which::Army);
}

void frmMain::pickAndLoad(TallyPicker &picker, Which which)
{
    // The name box is what the picker and the load share: a pick fills it, the load reads it.
    if (picker.exec() != QDialog::Accepted)
        return;
    nameBox(which)->setText(picker.pickedName());
    loadTally(which);
}

void frmMain::LoadArmy()
{
    loadTally(Which::Army);
}

void frmMain::LoadCollection()
{
    loadTally(Which::Collection);
}

void frmMain::loadTally(Which which)
{
    const QString fileName = TallyFile::fileName(nameBox(which)->text());
    const TallyFile::Decoded file = readTallyFile(fileName);
    if (!file.error.isEmpty()) {
        Messages::warn(this, tr("Could not load the %1 from \"%2\": %3")
                                 .arg(tallyWord(which), shownName(fileName), file.error));
        return;
    }
    TallyUpdate loaded = loadedTally(
        file.records, m_globals.catalogue,
        which == Which::Army ? PriceReading::Strict : PriceReading::Forgiving, m_numberFormat);
    if (loaded.overflow != TotalKind::None) {
        Messages::warn(this,
                       tr("Loading \"%1\" would take the %2's %3 out of its range, so "
                          "nothing was changed.")
                           .arg(shownName(fileName), tallyWord(which), totalName(loaded.overflow)));
        return;
    }
    showChangedTally(which, std::move(loaded.tally), file.records.size());
}

void frmMain::mnuAddArmyCollection_Click()
{
    // The saved army is added, not the one on screen: the file is what the user chose to keep.
    const QString fileName = TallyFile::fileName(txtArmyName->text());
    const TallyFile::Decoded army = readTallyFile(fileName);
    if (!army.error.isEmpty()) {
        Messages::warn(this, tr("Could not add the army \"%1\" to the collection: %2")
                                 .arg(shownName(fileName), army.error));
        return;
    }
    TallyUpdate added =
        collectionWithArmy(m_globals.collection, army.records, m_globals.catalogue, m_numberFormat);
    if (added.overflow != TotalKind::None) {
        Messages::warn(this, tr("Adding \"%1\" would take the collection's %2 out of its range, "
                                "so nothing was changed.")
                                 .arg(shownName(fileName), totalName(added.overflow)));
        return;
    }
    showChangedTally(Which::Collection, std::move(added.tally), army.records.size());
}

TallyFile::Decoded frmMain::readTallyFile(const QString &fileName) const
{
    TallyFile::Decoded file;
    file.error = fileNameProblem(fileName, NameUse::Reading);
    if (file.error.isEmpty())
        file = TallyFile::load(fileName, m_globals.catalogue.size());
    return file;
}

void frmMain::showChangedTally(Which which, Tally changed, qsizetype fileRows)
{
    tally(which) = std::move(changed);
    m_model->countsChanged(countColumn(which));
    showTotals();
    // The rows are read in order, one selected at a time, so the last row the file reaches
    // ends selected; a file without rows leaves the selection alone.
    if (fileRows > 0)
        selectRow(int(fileRows) - 1);
}

CollectionReport frmMain::collectionReport() const
{
    std::optional<ReportSummary> summary;
    if (mnuIncludeSummary->isChecked())
        summary = ReportSummary{lblCollectionNumber->text(), lblCollectionValue->text(),
                                lblCollectionPrice->text()};
    return buildCollectionReport(txtCollectionName->text(), m_globals.collection.counts,
                                 m_globals.catalogue, summary);
}

void frmMain::writeReportFile(const QString &extension, const QByteArray &bytes)
{
    const QString fileName = txtCollectionName->text() + extension;
    QString error = fileNameProblem(fileName, NameUse::Writing);
    if (error.isEmpty())
        error = writeWholeFile(fileName, bytes);
    if (!error.isEmpty()) {
        Messages::warn(this,
                       tr("Could not write the report \"%1\": %2").arg(shownName(fileName), error));
        return;
    }
    selectLastRow();
}

void frmMain::mnuPrintCollectionToFile_Click()
{
    writeReportFile(QStringLiteral(".txt"), textReport(collectionReport()));
}

void frmMain::mnuPrintCollectionHtml_Click()
{
    writeReportFile(QStringLiteral(".htm"), htmlReport(collectionReport()));
}

void frmMain::mnuPrintCollectionToPrinter_Click()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        Messages::warn(this, tr("There is no default printer, so the collection was not "
                                "printed."));
        return;
    }
    PrinterLinePrinter lines(printer, tr("%1 Collection").arg(txtCollectionName->text()));
    if (!printReport(collectionReport(), lines)) {
        Messages::warn(this, tr("The collection was not printed: %1").arg(lines.error()));
        return;
    }
    selectLastRow();
}

void frmMain::mnuExit_Click()
{
    // Ends at once: nothing is saved and nothing is asked, as users of the menu expect.
    QCoreApplication::exit(0);
}

QString frmMain::LoadUnits()
{
    modGlobals next;
    std::optional<RulesetFiles> ahead = m_filesAhead.take();
    RulesetFiles files = ahead ? std::move(*ahead) : readRulesetFiles();
    CatalogueLoad &units = files.units;
    QStringList report;
    const QString catalogueReport = fileProblems(CatalogueFileName, units.error, units.problems);
    if (!catalogueReport.isEmpty())
        report.append(catalogueReport);

    if (units.catalogue.size() > 0) {
        next.catalogue = std::move(units.catalogue);
    } else {
        if (units.error.isEmpty())
            report.append(tr("\"%1\" holds no units.").arg(CatalogueFileName));
        if (m_globals.catalogue.size() > 0)
            report.append(tr("The units already shown are kept."));
        next.catalogue = m_globals.catalogue;
    }

    const PriceGuideLoad &prices = files.guide;
    applyPrices(next.catalogue, prices.prices);
    const QString priceReport = fileProblems(PriceGuideFileName, prices.error, prices.problems);
    if (!priceReport.isEmpty())
        report.append(priceReport);
    if (!prices.error.isEmpty())
        report.append(tr("The units are shown without prices."));

    // What the user counted stays with its row; totals follow the new values.
    int droppedRows = 0;
    for (const Which which : {Which::Collection, Which::Army}) {
        CarriedTally carried = carryOver(tally(which), next.catalogue);
        if (carried.overflow != TotalKind::None) {
            report.append(tr("With the new catalogue the %1's %2 would be out of its range, so "
                             "the catalogue was not reloaded.")
                              .arg(tallyWord(which), totalName(carried.overflow)));
            return report.join(u'\n');
        }
        droppedRows += carried.droppedRows;
        (which == Which::Army ? next.army : next.collection) = std::move(carried.tally);
    }
    if (droppedRows > 0)
        report.append(tr("The new catalogue has fewer units, so the counts of %1 row(s) past "
                         "its end were dropped.")
                          .arg(droppedRows));

    m_model->replaceData(std::move(next));
    showTotals();
    return report.join(u'\n');
}
