// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "document/army_plan.h"
#include "tally_files/tally_file.h"
#include "ui/plan_armies_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

class Plan : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                                  "3,Nell,Tough,C,Mire,30\r\n");
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",1.25\r\n");
        start(true);
    }

    // Saves the army of these counts (of Grub, Hob and Nell) as `name`, as the user does.
    void saveArmy(const QString &name, const QList<int> &counts)
    {
        find<QLineEdit>(main.get(), "txtArmyName")->setText(name);
        for (int row = 0; row < 3; ++row)
            for (int figure = 0; figure < counts.at(row); ++figure)
                main->document().countFigure(WhichTally::Army, row, Step::Add);
        trigger("mnuSaveArmy");
        main->document().replaceTally(WhichTally::Army, {QStringList(3, u"0"_s), {}}, {});
    }

    QStringList tableColumn(int column) const
    {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts.append(table->item(row, column)->text());
        return texts;
    }

    void tick(const QString &army, bool ticked)
    {
        const int row = int(tableColumn(0).indexOf(army));
        ASSERT_GE(row, 0) << army.toStdString();
        table->item(row, 0)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }

    QTableWidget *table = nullptr;
};

} // namespace

// The folder's armies are listed, bad ones with their reason; the ticked ones are planned
// together or one at a time against the collection as it is counted and undone, the main
// window shows what they lack or what is spare, and the lack goes out as a shopping list.
TEST_F(Plan, ArmiesOfTheFolderArePlannedAgainstTheCollectionAsItChanges)
{
    saveArmy(u"Raid"_s, {2, 1, 0});
    saveArmy(u"Siege"_s, {1, 0, 2});
    main->document().countFigure(WhichTally::Collection, 0, Step::Add);
    find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Mine"_s);
    trigger("mnuSaveCollection"); // a collection: not listed
    writeFile(u"Old.sav"_s, TallyFile::encode({u"1"_s, u"0"_s, u"0"_s}));
    writeFile(u"Bad.sav"_s, "no tally");
    find<QLineEdit>(main.get(), "txtArmyName")->setText(QString());

    trigger("actPlanArmies");
    auto *window = main->findChild<PlanArmiesWindow *>();
    ASSERT_TRUE(window && window->isVisible());
    table = find<QTableWidget>(window, "tblArmies");
    EXPECT_EQ(tableColumn(0),
              (QStringList{u"The army on screen"_s, u"Bad"_s, u"Old"_s, u"Raid"_s, u"Siege"_s}));
    EXPECT_EQ(tableColumn(1), (QStringList{u"0"_s, QString(), u"1"_s, u"3"_s, u"3"_s}));
    EXPECT_EQ(tableColumn(3), (QStringList{u"0"_s, QString(), u"1.25"_s, u"2.5"_s, u"1.25"_s}));
    const QStringList notes = tableColumn(6);
    EXPECT_FALSE(notes.at(1).isEmpty());
    EXPECT_FALSE(table->item(1, 0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(notes.at(2).startsWith(u"By position"_s));
    EXPECT_EQ(notes.at(3), QString());
    const auto said = [window] { return find<QLabel>(window, "lblPlan")->text(); };
    EXPECT_EQ(said(), u"Tick the armies to plan against the collection."_s);

    // Together they need 3 Grub, 1 Hob and 2 Nell; one at a time 2, 1 and 2. Grub alone has a
    // price, 1.25; the collection holds 1 Grub.
    tick(u"Raid"_s, true);
    tick(u"Siege"_s, true);
    EXPECT_EQ(said(), u"Played together, the 2 ticked armies lack 5 figures of the collection. "
                      "They cost about 2.50. The guide has no price for 3 figures."_s);
    EXPECT_EQ(tableColumn(4).mid(3), (QStringList{u"2"_s, u"2"_s}));
    find<QRadioButton>(window, "optOneAtATime")->click();
    EXPECT_EQ(said(), u"Played one at a time, the 2 ticked armies lack 4 figures of the "
                      "collection. They cost about 1.25. The guide has no price for 3 figures."_s);
    find<QRadioButton>(window, "optTogether")->click();

    // The main window shows what the plan lacks, and follows counting and its undoing.
    auto *box = find<QComboBox>(main.get(), "cboShow");
    Q_EMIT box->activated(int(UnitChoice::LackingForPlan));
    EXPECT_EQ(column("lstUnitId"), texts({"1", "2", "3"}));
    EXPECT_EQ(text("lblShown"), u"3 of 3; 5 lacking, 2.50 (3 unpriced)"_s);
    main->document().countFigure(WhichTally::Collection, 2, Step::Add);
    main->document().countFigure(WhichTally::Collection, 2, Step::Add);
    EXPECT_EQ(said(), u"Played together, the 2 ticked armies lack 3 figures of the collection. "
                      "They cost about 2.50. The guide has no price for 1 figure."_s);
    EXPECT_EQ(text("lblShown"), u"3 of 3; 3 lacking, 2.50 (1 unpriced)"_s);
    const QString shopping = QDir::current().filePath(u"Shopping list.txt"_s);
    ASSERT_TRUE(window->writeShoppingList(shopping));
    EXPECT_EQ(fileBytes(shopping), "ID\tName\tStrength\tFaction\tLacking\tPrice each\tPrice\r\n"
                                   "1\tGrub\tWeak\tMire\t2\t1.25\t2.50\r\n"
                                   "2\tHob\tStandard\tMire\t1\t\t\r\n"
                                   "Total\t\t\t\t3\t\t2.50\t1 without a price\r\n");
    EXPECT_TRUE(main->statusLine().startsWith(u"Wrote the shopping list"_s));
    trigger("actUndo");
    EXPECT_EQ(text("lblShown"), u"3 of 3; 4 lacking, 2.50 (2 unpriced)"_s);

    // Planned without the siege, the Nell the collection holds is spare, shown by that choice.
    tick(u"Siege"_s, false);
    Q_EMIT box->activated(int(UnitChoice::Spare));
    EXPECT_EQ(column("lstUnitId"), texts({"3"}));
    EXPECT_EQ(list("lstUnitId")->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
              u"1 spare beyond what the planned armies need"_s);
    tick(u"Siege"_s, true);
    EXPECT_EQ(column("lstUnitId"), QStringList());

    // A file changed on disk is read again when the plan is refreshed; one that went bad is
    // left out of the plan with its reason.
    saveArmy(u"Raid"_s, {0, 4, 0});
    writeFile(u"Siege.sav"_s, "broken");
    find<QPushButton>(window, "cmdRefresh")->click();
    settle();
    EXPECT_EQ(tableColumn(1).mid(3), (QStringList{u"4"_s, QString()}));
    EXPECT_FALSE(tableColumn(6).at(4).isEmpty());
    EXPECT_EQ(said(), u"Played together, the 1 ticked army lacks 4 figures of the collection. "
                      "The guide has no price for 4 figures."_s);

    // A reload of the same units keeps the plan and takes the new prices; one of a catalogue
    // with a unit put first finds the files' counts again on their units.
    writeFile(u"current-runeforge.txt"_s, "\"Hob (S)\",2\r\n");
    main->LoadUnits();
    settle();
    EXPECT_EQ(said(), u"Played together, the 1 ticked army lacks 4 figures of the collection. "
                      "They cost about 8.00."_s);
    writeFile(u"rfarm.txt"_s, "9,Newt,Weak,C,Mire,1\r\n1,Grub,Weak,C,Mire,10\r\n"
                              "2,Hob,Standard,C,Mire,25\r\n3,Nell,Tough,C,Mire,30\r\n");
    main->LoadUnits();
    settle();
    Q_EMIT box->activated(int(UnitChoice::LackingForPlan));
    EXPECT_EQ(column("lstUnitId"), texts({"2"}));
    EXPECT_EQ(said(), u"Played together, the 1 ticked army lacks 4 figures of the collection. "
                      "They cost about 8.00."_s);

    // The files are read off the window's thread: ticks given meanwhile stand.
    writeFile(u"Old.sav"_s, TallyFile::encode({u"0"_s, u"0"_s, u"0"_s, u"3"_s}));
    find<QPushButton>(window, "cmdRefresh")->click();
    ASSERT_TRUE(main->findChild<ArmyPlan *>()->isReading());
    tick(u"Raid"_s, false);
    tick(u"Old"_s, true);
    settle();
    EXPECT_EQ(said(), u"Played together, the 1 ticked army lacks 2 figures of the collection. "
                      "The guide has no price for 2 figures."_s);
}
