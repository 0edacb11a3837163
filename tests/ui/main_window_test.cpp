#include "gui_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

QString caption(QWidget *window, const char *name)
{
    QObject *object = window->findChild<QObject *>(QLatin1String(name));
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *box = qobject_cast<QGroupBox *>(object))
        return box->title();
    if (auto *option = qobject_cast<QRadioButton *>(object))
        return option->text();
    if (auto *field = qobject_cast<QLineEdit *>(object))
        return field->text();
    return u"<no control %1>"_s.arg(QLatin1String(name));
}

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

} // namespace

TEST_F(GuiTest, MainWindowCaptionsAsDesigned)
{
    start();
    EXPECT_EQ(main->windowTitle(), u"RF Collection Tracking Thing"_s);
    EXPECT_FALSE(main->windowIcon().isNull());
    const std::pair<const char *, QString> captions[] = {
        {"Label17", u"Collection Name  -->"_s},
        {"Label18", u"Army Name --->"_s},
        {"txtCollectionName", QString()},
        {"txtArmyName", QString()},
        {"Label1", u"Unit ID Number"_s},
        {"Label2", u"Unit Name"_s},
        {"Label4", u"Strength"_s},
        {"Label3", u"Faction"_s},
        {"Label5", u"Rarity"_s},
        {"Label6", u"Point Value"_s},
        {"Label7", u"# in Collection"_s},
        {"Label8", u"# in Current Army"_s},
        {"Frame1", u"Add/Subtract To/From"_s},
        {"Frame2", u"Collection Stats"_s},
        {"Frame3", u"Army Stats"_s},
        {"frmPrice", u"Priceguide Info"_s},
        {"optCollection", u"Collection"_s},
        {"optArmy", u"Army"_s},
        {"Label10", u"Total Point Value"_s},
        {"Label11", u"Number of Figures"_s},
        {"Label9", u"Aproximate Value ($)"_s},
        {"Label14", u"Point Value"_s},
        {"Label16", u"Number of Figures"_s},
        {"Label15", u"Aproximate Value ($)"_s},
        {"Label12", u"Name in Guide"_s},
        {"Label13", u"Priceguide Value ($)"_s},
        {"lblCollectionValue", u"0"_s},
        {"lblCollectionNumber", u"0"_s},
        {"lblCollectionPrice", u"0"_s},
        {"lblArmyValue", u"0"_s},
        {"lblArmyNumber", u"0"_s},
        {"lblArmyPrice", u"0"_s},
        {"lblPriceGuideName", QString()},
        {"lblUnitPrice", QString()},
    };
    for (const auto &[name, text] : captions)
        EXPECT_EQ(caption(main.get(), name), text) << name;

    EXPECT_EQ(find<QLabel>(main.get(), "Label9")->toolTip(),
              u"Tae this with a large grain of salt. The data for any figures (the commons) is "
              u"very sparse."_s);
    EXPECT_TRUE(find<QRadioButton>(main.get(), "optCollection")->isChecked());
    EXPECT_FALSE(find<QRadioButton>(main.get(), "optArmy")->isChecked());
}

TEST_F(GuiTest, ColumnListsStandInTheirDesignedPlaces)
{
    start();
    const int lefts[8] = {8, 64, 240, 320, 456, 496, 544, 592};
    const int widths[8] = {57, 177, 81, 137, 41, 49, 49, 49};
    for (int column = 0; column < 8; ++column) {
        const QRect place = list(ListNames[column])->geometry();
        EXPECT_EQ(place, QRect(lefts[column], 56, widths[column], 80)) << ListNames[column];
    }
    EXPECT_EQ(main->centralWidget()->size(), QSize(645, 348));
}

TEST_F(GuiTest, MenuBarHoldsEveryCommandInOrder)
{
    start();
    QMenuBar *bar = main->menuBar();
    QStringList top;
    for (QAction *action : bar->actions())
        top.append(action->objectName() + u'=' + action->text());
    EXPECT_EQ(top, (QStringList{u"mnuLoadCollection=Load Collection"_s,
                                u"mnuSaveCollection=Save Collection"_s,
                                u"mnuPrintCollection=Print Collection"_s,
                                u"mnuBlank=-----------------"_s, u"mnuLoadArmy=Load Army"_s,
                                u"mnuSaveArmy=Save Army"_s,
                                u"mnuPrintArmyToTextFile=Print Army To File"_s,
                                u"mnuExit=E&xit"_s}));

    auto items = [this](const char *menu) {
        QStringList names;
        for (QAction *action : find<QMenu>(main.get(), menu)->actions())
            names.append(action->objectName() + u'=' + action->text());
        return names;
    };
    EXPECT_EQ(items("mnuPrintCollection"),
              (QStringList{u"mnuPrintCollectionToFile=Print Collection To File"_s,
                           u"mnuPrintCollectionHtml=Print Collection to HTML"_s,
                           u"mnuPrintCollectionToPrinter=Print Collection To Printer"_s}));
    EXPECT_EQ(items("mnuBlank"),
              (QStringList{u"mnuAddArmyCollection=Add Army To Collection"_s,
                           u"mnuIncludeSummary=Include Summary in Printout"_s}));
    auto *summary = main->findChild<QAction *>(u"mnuIncludeSummary"_s);
    EXPECT_TRUE(summary->isCheckable());
    EXPECT_FALSE(summary->isChecked());
}

TEST_F(GuiTest, TabOrderAsDesigned)
{
    start();
    const QStringList designed = {u"lstUnits"_s,      u"lstUnitId"_s,     u"lstStr"_s,
                                  u"lstFaction"_s,    u"lstPointValue"_s, u"lstRarity"_s,
                                  u"lstCollection"_s, u"lstArmy"_s,       u"optCollection"_s,
                                  u"optArmy"_s,       u"txtCollectionName"_s,
                                  u"txtArmyName"_s};
    EXPECT_EQ(focusOrder(main.get(), designed), designed);
    const QStringList pickerOrder = {u"filWorld"_s, u"txtX"_s};
    EXPECT_EQ(focusOrder(picker.get(), pickerOrder), pickerOrder);
}

TEST_F(GuiTest, PickerWindowAsDesigned)
{
    start();
    EXPECT_EQ(picker->windowTitle(), u"Rostermere .10"_s);
    EXPECT_EQ(picker->size(), QSize(396, 273));
    EXPECT_EQ(caption(picker.get(), "Label1"), u"Please pick a ruleset"_s);
    EXPECT_EQ(find<QListWidget>(picker.get(), "filWorld")->toolTip(),
              u"Double click on the rules you want to choose."_s);
}
