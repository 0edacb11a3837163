// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main_controls.h"

#include "accessibility.h"
#include "column_list_view.h"
#include "growing_places.h"
#include "twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// The captions belong to the main window, whichever room builds them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(frmMain)
};

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

} // namespace

void frmMainControls::build(QMainWindow *window)
{
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->resize(sizeFromTwips(9675, 5220));
    window->setCentralWidget(client);

    staticText(client, "Label17", Text::tr("Collection Name  -->"), fromTwips(120, 0, 1455, 255));
    txtCollectionName =
        place(new QLineEdit(client), "txtCollectionName", fromTwips(1680, 0, 1935, 285));
    staticText(client, "Label18", Text::tr("Army Name --->"), fromTwips(4440, 0, 1215, 255));
    txtArmyName = place(new QLineEdit(client), "txtArmyName", fromTwips(5640, 0, 1455, 285));
    txtCollectionName->setAccessibleName(Text::tr("Collection name"));
    txtArmyName->setAccessibleName(Text::tr("Army name"));

    staticText(client, "Label1", Text::tr("Unit ID Number"), fromTwips(120, 360, 735, 375));
    staticText(client, "Label2", Text::tr("Unit Name"), fromTwips(960, 480, 2415, 255));
    staticText(client, "Label4", Text::tr("Strength"), fromTwips(3480, 480, 1095, 255));
    staticText(client, "Label3", Text::tr("Faction"), fromTwips(4680, 480, 1935, 255));
    staticText(client, "Label5", Text::tr("Rarity"), fromTwips(6840, 480, 375, 255));
    staticText(client, "Label6", Text::tr("Point Value"), fromTwips(7440, 360, 615, 375));
    staticText(client, "Label7", Text::tr("# in Collection"), fromTwips(8040, 360, 735, 375));
    staticText(client, "Label8", Text::tr("# in Current Army"), fromTwips(8760, 360, 855, 375));

    auto list = [client](const char *name, int left, int width, const QString &what) {
        auto *view = place(new ColumnListView(client), name, fromTwips(left, 840, width, 1200));
        view->setAccessibleName(what);
        return view;
    };
    lstUnitId = list("lstUnitId", 120, 855, Text::tr("Unit ID number"));
    lstUnits = list("lstUnits", 960, 2655, Text::tr("Unit name"));
    lstStr = list("lstStr", 3600, 1215, Text::tr("Strength"));
    lstFaction = list("lstFaction", 4800, 2055, Text::tr("Faction"));
    lstRarity = list("lstRarity", 6840, 615, Text::tr("Rarity"));
    lstPointValue = list("lstPointValue", 7440, 735, Text::tr("Point value"));
    lstCollection = list("lstCollection", 8160, 735,
                         Text::tr("Number of figures of each unit in the collection"));
    lstArmy = list("lstArmy", 8880, 735, Text::tr("Number of figures of each unit in the army"));
    lists = {lstUnitId, lstUnits,      lstStr,        lstFaction,
             lstRarity, lstPointValue, lstCollection, lstArmy};

    auto *frame1 = place(new QGroupBox(Text::tr("Add/Subtract To/From"), client), "Frame1",
                         fromTwips(120, 2280, 2175, 735));
    optCollection = place(new QRadioButton(Text::tr("Collection"), frame1), "optCollection",
                          fromTwips(120, 360, 1095, 255));
    optArmy = place(new QRadioButton(Text::tr("Army"), frame1), "optArmy",
                    fromTwips(1320, 360, 735, 255));
    optCollection->setAccessibleName(Text::tr("Count into the collection"));
    optArmy->setAccessibleName(Text::tr("Count into the army"));
    optCollection->setChecked(true);

    auto *frame2 = place(new QGroupBox(Text::tr("Collection Stats"), client), "Frame2",
                         fromTwips(120, 3240, 2655, 1935));
    staticText(frame2, "Label10", Text::tr("Total Point Value"), fromTwips(120, 360, 1455, 255));
    lblCollectionValue =
        valueText(frame2, "lblCollectionValue", QStringLiteral("0"), fromTwips(1800, 360, 735, 255),
                  Text::tr("Total point value of the collection"));
    staticText(frame2, "Label11", Text::tr("Number of Figures"), fromTwips(120, 720, 1455, 255));
    lblCollectionNumber =
        valueText(frame2, "lblCollectionNumber", QStringLiteral("0"),
                  fromTwips(1800, 720, 735, 255), Text::tr("Number of figures in the collection"));
    QLabel *label9 = staticText(frame2, "Label9", Text::tr("Aproximate Value ($)"),
                                fromTwips(120, 1080, 1575, 375));
    label9->setToolTip(
        Text::tr("Tae this with a large grain of salt. The data for any figures (the "
                 "commons) is very sparse."));
    lblCollectionPrice = valueText(frame2, "lblCollectionPrice", QStringLiteral("0"),
                                   fromTwips(1800, 1080, 735, 255),
                                   Text::tr("Approximate value of the collection in dollars"));

    auto *frame3 = place(new QGroupBox(Text::tr("Army Stats"), client), "Frame3",
                         fromTwips(3000, 3240, 2535, 1935));
    staticText(frame3, "Label14", Text::tr("Point Value"), fromTwips(120, 360, 855, 255));
    lblArmyValue = valueText(frame3, "lblArmyValue", QStringLiteral("0"),
                             fromTwips(1680, 360, 735, 255), Text::tr("Point value of the army"));
    staticText(frame3, "Label16", Text::tr("Number of Figures"), fromTwips(120, 720, 1335, 255));
    lblArmyNumber =
        valueText(frame3, "lblArmyNumber", QStringLiteral("0"), fromTwips(1680, 720, 735, 255),
                  Text::tr("Number of figures in the army"));
    staticText(frame3, "Label15", Text::tr("Aproximate Value ($)"),
               fromTwips(120, 1080, 1575, 255));
    lblArmyPrice =
        valueText(frame3, "lblArmyPrice", QStringLiteral("0"), fromTwips(1680, 1080, 735, 255),
                  Text::tr("Approximate value of the army in dollars"));

    auto *price = place(new QGroupBox(Text::tr("Priceguide Info"), client), "frmPrice",
                        fromTwips(6120, 3240, 3375, 1815));
    staticText(price, "Label12", Text::tr("Name in Guide"), fromTwips(120, 360, 615, 375));
    lblPriceGuideName =
        valueText(price, "lblPriceGuideName", QString(), fromTwips(1080, 360, 2175, 375),
                  Text::tr("Name of the selected unit in the price guide"));
    lblPriceGuideName->setWordWrap(true);
    staticText(price, "Label13", Text::tr("Priceguide Value ($)"), fromTwips(120, 960, 975, 495));
    lblUnitPrice = valueText(price, "lblUnitPrice", QString(), fromTwips(1680, 960, 1575, 495),
                             Text::tr("Price guide value of the selected unit in dollars"));

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
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    buildMenus(window);
}

void frmMainControls::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // All ten menu titles have to fit the designed window width.
    bar->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 4px; }"));
    mnuLoadCollection = menuItem(bar, "mnuLoadCollection", Text::tr("Load Collection"));
    mnuSaveCollection = menuItem(bar, "mnuSaveCollection", Text::tr("Save Collection"));
    QMenu *print = subMenu(bar, "mnuPrintCollection", Text::tr("Print Collection"));
    print->setFont(window->font());
    mnuPrintCollectionToFile =
        menuItem(print, "mnuPrintCollectionToFile", Text::tr("Print Collection To File"));
    mnuPrintCollectionHtml =
        menuItem(print, "mnuPrintCollectionHtml", Text::tr("Print Collection to HTML"));
    mnuPrintCollectionToPrinter =
        menuItem(print, "mnuPrintCollectionToPrinter", Text::tr("Print Collection To Printer"));
    QMenu *blank = subMenu(bar, "mnuBlank", QStringLiteral("-----------------"));
    blank->setFont(window->font());
    nameMenuItem(blank->menuAction(), Text::tr("Army and summary commands"));
    mnuAddArmyCollection =
        menuItem(blank, "mnuAddArmyCollection", Text::tr("Add Army To Collection"));
    // A check item that flips itself; it is read by the reports and never stored.
    mnuIncludeSummary =
        menuItem(blank, "mnuIncludeSummary", Text::tr("Include Summary in Printout"));
    mnuIncludeSummary->setCheckable(true);
    mnuIncludeSummary->setChecked(false);
    mnuLoadArmy = menuItem(bar, "mnuLoadArmy", Text::tr("Load Army"));
    mnuSaveArmy = menuItem(bar, "mnuSaveArmy", Text::tr("Save Army"));
    mnuPrintArmyToTextFile =
        menuItem(bar, "mnuPrintArmyToTextFile", Text::tr("Print Army To File"));
    mnuExit = menuItem(bar, "mnuExit", Text::tr("E&xit"));
}
