#include "gui_fixture.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// The order in which Tab visits the named controls, starting at the first of them.
QStringList focusOrder(QWidget *window, const QStringList &names)
{
    QStringList chain;
    QWidget *widget = window->findChild<QWidget *>(names.front());
    for (int step = 0; step < 200 && chain.size() < names.size(); ++step) {
        if (names.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    }
    return chain;
}

QString objectNames(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *action : actions)
        names.append(action->objectName());
    return names.join(u' ');
}

} // namespace

TEST_F(GuiTest, WindowsShowTheirDesignedCaptionsPlacesMenusAndTabOrder)
{
    start();
    EXPECT_EQ(main->windowTitle(), u"RF Collection Tracking Thing"_s);
    EXPECT_FALSE(main->windowIcon().isNull());
    // clang-format off
    const std::pair<const char *, const char *> captions[] = {
        {"Label17", "Collection Name  -->"}, {"Label18", "Army Name --->"},
        {"txtCollectionName", ""}, {"txtArmyName", ""}, {"Label1", "Unit ID Number"},
        {"Label2", "Unit Name"}, {"Label4", "Strength"}, {"Label3", "Faction"},
        {"Label5", "Rarity"}, {"Label6", "Point Value"}, {"Label7", "# in Collection"},
        {"Label8", "# in Current Army"}, {"Frame1", "Add/Subtract To/From"},
        {"Frame2", "Collection Stats"}, {"Frame3", "Army Stats"}, {"frmPrice", "Priceguide Info"},
        {"optCollection", "Collection"}, {"optArmy", "Army"}, {"Label10", "Total Point Value"},
        {"Label11", "Number of Figures"}, {"Label9", "Aproximate Value ($)"},
        {"Label14", "Point Value"}, {"Label16", "Number of Figures"},
        {"Label15", "Aproximate Value ($)"}, {"Label12", "Name in Guide"},
        {"Label13", "Priceguide Value ($)"}, {"lblPriceGuideName", ""}, {"lblUnitPrice", ""},
        {"mnuLoadCollection", "Load Collection"}, {"mnuSaveCollection", "Save Collection"},
        {"mnuPrintCollectionToFile", "Print Collection To File"},
        {"mnuPrintCollectionHtml", "Print Collection to HTML"},
        {"mnuPrintCollectionToPrinter", "Print Collection To Printer"},
        {"mnuAddArmyCollection", "Add Army To Collection"},
        {"mnuIncludeSummary", "Include Summary in Printout"}, {"mnuLoadArmy", "Load Army"},
        {"mnuSaveArmy", "Save Army"}, {"mnuPrintArmyToTextFile", "Print Army To File"},
        {"mnuExit", "E&xit"}};
    // clang-format on
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(text(name), QLatin1String(caption)) << name;
    EXPECT_EQ(totals("Collection"), texts({"0", "0", "0"}));
    EXPECT_EQ(totals("Army"), texts({"0", "0", "0"}));
    EXPECT_EQ(find<QLabel>(main.get(), "Label9")->toolTip(),
              u"Tae this with a large grain of salt. The data for any figures (the commons) is "
              u"very sparse."_s);
    EXPECT_TRUE(find<QRadioButton>(main.get(), "optCollection")->isChecked());
    EXPECT_FALSE(find<QRadioButton>(main.get(), "optArmy")->isChecked());

    EXPECT_EQ(objectNames(main->menuBar()->actions()),
              u"mnuLoadCollection mnuSaveCollection mnuPrintCollection mnuBlank mnuLoadArmy "
              u"mnuSaveArmy mnuPrintArmyToTextFile mnuExit"_s);
    EXPECT_EQ(find<QMenu>(main.get(), "mnuPrintCollection")->title(), u"Print Collection"_s);
    EXPECT_EQ(objectNames(find<QMenu>(main.get(), "mnuPrintCollection")->actions()),
              u"mnuPrintCollectionToFile mnuPrintCollectionHtml mnuPrintCollectionToPrinter"_s);
    EXPECT_EQ(find<QMenu>(main.get(), "mnuBlank")->title(), u"-----------------"_s);
    EXPECT_EQ(objectNames(find<QMenu>(main.get(), "mnuBlank")->actions()),
              u"mnuAddArmyCollection mnuIncludeSummary"_s);
    // The summary item is a check item that starts unchecked and flips on each choice.
    auto *summary = main->findChild<QAction *>(u"mnuIncludeSummary"_s);
    EXPECT_TRUE(summary->isCheckable());
    for (const bool checked : {false, true, false}) {
        EXPECT_EQ(summary->isChecked(), checked);
        summary->trigger();
    }

    // Places in pixels of the designed twips: the eight lists share their top and height.
    const int lefts[8] = {8, 64, 240, 320, 456, 496, 544, 592};
    const int widths[8] = {57, 177, 81, 137, 41, 49, 49, 49};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(list(ListNames[column])->geometry(), QRect(lefts[column], 56, widths[column], 80))
            << ListNames[column];
    EXPECT_EQ(main->centralWidget()->size(), QSize(645, 348));

    const QStringList tabOrder = {u"lstUnits"_s,      u"lstUnitId"_s,         u"lstStr"_s,
                                  u"lstFaction"_s,    u"lstPointValue"_s,     u"lstRarity"_s,
                                  u"lstCollection"_s, u"lstArmy"_s,           u"optCollection"_s,
                                  u"optArmy"_s,       u"txtCollectionName"_s, u"txtArmyName"_s};
    EXPECT_EQ(focusOrder(main.get(), tabOrder), tabOrder);

    EXPECT_EQ(picker->windowTitle(), u"Rostermere .10"_s);
    EXPECT_EQ(picker->size(), QSize(396, 273));
    EXPECT_EQ(find<QLabel>(picker.get(), "Label1")->text(), u"Please pick a ruleset"_s);
    EXPECT_EQ(find<QListWidget>(picker.get(), "filWorld")->toolTip(),
              u"Double click on the rules you want to choose."_s);
    const QStringList pickerOrder = {u"filWorld"_s, u"txtX"_s};
    EXPECT_EQ(focusOrder(picker.get(), pickerOrder), pickerOrder);
}
