#include "gui_fixture.h"

#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class Counting : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n2,Hob,Standard,C,Mire,10\r\n"
                                  "3,Gull,Weak,C,Coast,2.5\r\n4,Titan,Tough,C,Stone,30000\r\n");
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",3.5\r\n\"Gull (W)\",1\r\n"
                                              "\"Titan (T)\",100\r\n");
        start();
        picker->hide();
    }

    void choose(const char *option)
    {
        QTest::mouseClick(find<QRadioButton>(main.get(), option), Qt::LeftButton);
    }
    void dbl(const char *columnName, int row) { doubleClickRow(list(columnName), row); }
};

} // namespace

TEST_F(Counting, TheOptionChoosesTheTallyAndTheColumnAddsOrRemoves)
{
    // "Collection" is chosen at start.
    dbl("lstUnitId", 2);
    dbl("lstUnitId", 2);
    EXPECT_EQ(column("lstCollection"), texts({"0", "0", "2", "0"}));
    EXPECT_EQ(totals("Collection"), texts({"2", "4", "2"})); // 2.5 points round to 2, then 4
    // With "Collection" chosen the army column removes from the collection.
    dbl("lstArmy", 2);
    EXPECT_EQ(column("lstCollection"), texts({"0", "0", "1", "0"}));
    EXPECT_EQ(totals("Collection"), texts({"1", "2", "1"}));
    dbl("lstUnits", 2);

    choose("optArmy");
    dbl("lstUnits", 0);
    EXPECT_EQ(totals("Army"), texts({"1", "45", "3.5"}));
    dbl("lstUnits", 0);
    EXPECT_EQ(column("lstArmy"), texts({"2", "0", "0", "0"}));
    EXPECT_EQ(totals("Army"), texts({"2", "90", "7"}));

    // With "Army" chosen the collection column removes from the army.
    dbl("lstCollection", 0);
    EXPECT_EQ(column("lstArmy"), texts({"1", "0", "0", "0"}));
    EXPECT_EQ(totals("Army"), texts({"1", "45", "3.5"}));
    EXPECT_EQ(column("lstCollection"), texts({"0", "0", "2", "0"}));
    EXPECT_EQ(totals("Collection"), texts({"2", "4", "2"}));

    // After a count every column keeps the selected row.
    for (const char *name : ListNames)
        EXPECT_EQ(selectedRow(list(name)), 0) << name;
}

TEST_F(Counting, WhatCountsNothing)
{
    // Removing at 0, double-clicks in the other columns, and one on no row at all.
    dbl("lstCollection", 1);
    dbl("lstArmy", 3);
    for (const char *name : {"lstStr", "lstFaction", "lstRarity", "lstPointValue"})
        dbl(name, 0);
    main->selectRow(-1);
    QListView *units = list("lstUnits");
    QTest::mouseDClick(units->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(10, units->viewport()->height() - 3));
    EXPECT_EQ(column("lstCollection"), texts({"0", "0", "0", "0"}));
    EXPECT_EQ(totals("Collection"), texts({"0", "0", "0"}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Counting, UnpricedUnitsAndPaddedCountTexts)
{
    dbl("lstUnits", 1);
    EXPECT_EQ(totals("Collection"), texts({"1", "10", "0"}));
    globals->collection.counts[0] = u"4"_s + QString(29, u' ');
    dbl("lstUnits", 0);
    EXPECT_EQ(rowText(list("lstCollection"), 0), u"5"_s);
    EXPECT_EQ(totals("Collection"), texts({"2", "55", "3.5"}));
}

TEST_F(Counting, OverflowIsRefusedAndSaysWhichTotal)
{
    dbl("lstUnits", 3);
    dbl("lstUnits", 3);
    EXPECT_EQ(rowText(list("lstCollection"), 3), u"1"_s);
    EXPECT_EQ(totals("Collection"), texts({"1", "30000", "100"}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"collection's total point value"_s))
        << messages.front().text.toStdString();
}

TEST_F(Counting, ReloadKeepsCountsAndRebuildsTotals)
{
    dbl("lstUnits", 0);
    dbl("lstUnits", 2);
    choose("optArmy");
    dbl("lstUnits", 1);

    // New point values and prices, and one more unit.
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,50\r\n2,Hob,Standard,C,Mire,10\r\n"
                              "3,Gull,Weak,C,Coast,3\r\n4,Titan,Tough,C,Stone,30000\r\n"
                              "5,Newt,Weak,C,Mire,1\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",4\r\n\"Hob (S)\",0.5\r\n");
    EXPECT_EQ(main->LoadUnits(), QString());
    EXPECT_EQ(column("lstCollection"), texts({"1", "0", "1", "0", "0"}));
    EXPECT_EQ(column("lstArmy"), texts({"0", "1", "0", "0", "0"}));
    EXPECT_EQ(totals("Collection"), texts({"2", "53", "4"}));
    EXPECT_EQ(totals("Army"), texts({"1", "10", "0.5"}));

    // A reload whose totals would overflow changes nothing; one that drops counted rows says so.
    dbl("lstUnits", 3);
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n2,Hob,Standard,C,Mire,10\r\n"
                              "3,Gull,Weak,C,Coast,2.5\r\n4,Titan,Tough,C,Stone,40000\r\n");
    EXPECT_TRUE(main->LoadUnits().contains(u"not reloaded"_s));
    EXPECT_EQ(column("lstPointValue"), texts({"50", "10", "3", "30000", "1"}));
    EXPECT_EQ(totals("Army"), texts({"2", "30010", "0.5"}));
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n");
    EXPECT_TRUE(main->LoadUnits().contains(u"3 row(s)"_s)); // two army rows, one collection row
    EXPECT_EQ(column("lstArmy"), texts({"0"}));
    EXPECT_EQ(totals("Army"), texts({"0", "0", "0"}));
}
