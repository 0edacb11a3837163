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

QStringList menuItems(const QList<QAction *> &actions)
{
    QStringList items;
    for (QAction *action : actions)
        items.append(action->objectName() + u'=' + action->text());
    return items;
}

} // namespace

TEST_F(GuiTest, WindowsShowTheirDesignedCaptionsPlacesAndTabOrder)
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
        {"Label13", "Priceguide Value ($)"}, {"lblPriceGuideName", ""}, {"lblUnitPrice", ""}};
    // clang-format on
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(text(name), QLatin1String(caption)) << name;
    EXPECT_EQ(totals("Collection"), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(totals("Army"), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(find<QLabel>(main.get(), "Label9")->toolTip(),
              u"Tae this with a large grain of salt. The data for any figures (the commons) is "
              u"very sparse."_s);
    EXPECT_TRUE(find<QRadioButton>(main.get(), "optCollection")->isChecked());
    EXPECT_FALSE(find<QRadioButton>(main.get(), "optArmy")->isChecked());

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

TEST_F(GuiTest, MenuBarHoldsEveryCommandInOrder)
{
    start();
    EXPECT_EQ(
        menuItems(main->menuBar()->actions()),
        (QStringList{u"mnuLoadCollection=Load Collection"_s, u"mnuSaveCollection=Save Collection"_s,
                     u"mnuPrintCollection=Print Collection"_s, u"mnuBlank=-----------------"_s,
                     u"mnuLoadArmy=Load Army"_s, u"mnuSaveArmy=Save Army"_s,
                     u"mnuPrintArmyToTextFile=Print Army To File"_s, u"mnuExit=E&xit"_s}));
    EXPECT_EQ(menuItems(find<QMenu>(main.get(), "mnuPrintCollection")->actions()),
              (QStringList{u"mnuPrintCollectionToFile=Print Collection To File"_s,
                           u"mnuPrintCollectionHtml=Print Collection to HTML"_s,
                           u"mnuPrintCollectionToPrinter=Print Collection To Printer"_s}));
    EXPECT_EQ(menuItems(find<QMenu>(main.get(), "mnuBlank")->actions()),
              (QStringList{u"mnuAddArmyCollection=Add Army To Collection"_s,
                           u"mnuIncludeSummary=Include Summary in Printout"_s}));

    // The summary item is a check item that starts unchecked and flips on each choice.
    auto *summary = main->findChild<QAction *>(u"mnuIncludeSummary"_s);
    EXPECT_TRUE(summary->isCheckable());
    EXPECT_FALSE(summary->isChecked());
    summary->trigger();
    EXPECT_TRUE(summary->isChecked());
    summary->trigger();
    EXPECT_FALSE(summary->isChecked());
}
