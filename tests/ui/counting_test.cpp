#include "gui_fixture.h"

#include <QLabel>
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
        writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n"
                                  "2,Hob,Standard,C,Mire,10\r\n"
                                  "3,Gull,Weak,C,Coast,2.5\r\n"
                                  "4,Titan,Tough,C,Stone,30000\r\n");
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",3.5\r\n\"Gull (W)\",1\r\n"
                                              "\"Titan (T)\",100\r\n");
        start();
        picker->hide();
    }

    void chooseArmy() { QTest::mouseClick(find<QRadioButton>(main.get(), "optArmy"), Qt::LeftButton); }

    void doubleClickRow(const char *column, int row)
    {
        QListView *view = list(column);
        const QModelIndex index = view->model()->index(row, view->modelColumn());
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    QStringList counts(const char *column)
    {
        QStringList texts;
        for (int row = 0; row < 4; ++row)
            texts.append(rowText(list(column), row));
        return texts;
    }

    // Figures, points and money as the labels of a tally show them.
    QStringList labels(const char *tally)
    {
        const QString prefix = u"lbl"_s + QLatin1String(tally);
        QStringList texts;
        for (const QString &total : {u"Number"_s, u"Value"_s, u"Price"_s})
            texts.append(main->findChild<QLabel *>(prefix + total)->text());
        return texts;
    }

    const QStringList zeros = {u"0"_s, u"0"_s, u"0"_s, u"0"_s};
    const QStringList noTotals = {u"0"_s, u"0"_s, u"0"_s};
};

} // namespace

TEST_F(Counting, ArmyAddsFiguresPointsAndMoney)
{
    chooseArmy();
    doubleClickRow("lstUnits", 0);
    EXPECT_EQ(counts("lstArmy"), (QStringList{u"1"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(labels("Army"), (QStringList{u"1"_s, u"45"_s, u"3.5"_s}));
    doubleClickRow("lstUnits", 0);
    EXPECT_EQ(counts("lstArmy"), (QStringList{u"2"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(labels("Army"), (QStringList{u"2"_s, u"90"_s, u"7"_s}));
    EXPECT_EQ(counts("lstCollection"), zeros);
    EXPECT_EQ(labels("Collection"), noTotals);
}

TEST_F(Counting, CollectionIsChosenAtStart)
{
    doubleClickRow("lstUnitId", 2);
    EXPECT_EQ(counts("lstCollection"), (QStringList{u"0"_s, u"0"_s, u"1"_s, u"0"_s}));
    EXPECT_EQ(labels("Collection"), (QStringList{u"1"_s, u"2"_s, u"1"_s}));
    doubleClickRow("lstUnitId", 2);
    EXPECT_EQ(labels("Collection"), (QStringList{u"2"_s, u"4"_s, u"2"_s}));
    EXPECT_EQ(counts("lstArmy"), zeros);
    EXPECT_EQ(labels("Army"), noTotals);
}

TEST_F(Counting, TheOptionDecidesTheTallyNotTheColumn)
{
    doubleClickRow("lstUnits", 0);
    doubleClickRow("lstUnits", 0);
    doubleClickRow("lstArmy", 0);
    EXPECT_EQ(counts("lstCollection").front(), u"1"_s);
    EXPECT_EQ(labels("Collection"), (QStringList{u"1"_s, u"45"_s, u"3.5"_s}));

    chooseArmy();
    doubleClickRow("lstUnits", 1);
    doubleClickRow("lstCollection", 1);
    EXPECT_EQ(counts("lstArmy"), zeros);
    EXPECT_EQ(labels("Army"), noTotals);
    EXPECT_EQ(counts("lstCollection").front(), u"1"_s);
}

TEST_F(Counting, RemovingAtZeroChangesNothing)
{
    doubleClickRow("lstCollection", 0);
    doubleClickRow("lstArmy", 3);
    EXPECT_EQ(counts("lstCollection"), zeros);
    EXPECT_EQ(labels("Collection"), noTotals);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Counting, UnpricedUnitAddsAFigureAndPointsButNoMoney)
{
    doubleClickRow("lstUnits", 1);
    EXPECT_EQ(labels("Collection"), (QStringList{u"1"_s, u"10"_s, u"0"_s}));
}

TEST_F(Counting, PaddedCountTextReadsAsItsNumber)
{
    globals->collection.counts[0] = u"4"_s + QString(29, u' ');
    doubleClickRow("lstUnits", 0);
    EXPECT_EQ(counts("lstCollection").front(), u"5"_s);
    EXPECT_EQ(labels("Collection"), (QStringList{u"1"_s, u"45"_s, u"3.5"_s}));
}

TEST_F(Counting, OtherColumnsAndEmptySpaceCountNothing)
{
    for (const char *column : {"lstStr", "lstFaction", "lstRarity", "lstPointValue"})
        doubleClickRow(column, 0);
    main->selectRow(-1);
    QListView *units = list("lstUnits");
    const QPoint belowRows(10, units->viewport()->height() - 3);
    QTest::mouseDClick(units->viewport(), Qt::LeftButton, Qt::NoModifier, belowRows);
    EXPECT_EQ(counts("lstCollection"), zeros);
    EXPECT_EQ(labels("Collection"), noTotals);
}

TEST_F(Counting, OverflowIsRefusedAndSaysWhichTotal)
{
    doubleClickRow("lstUnits", 3);
    doubleClickRow("lstUnits", 3);
    EXPECT_EQ(counts("lstCollection").back(), u"1"_s);
    EXPECT_EQ(labels("Collection"), (QStringList{u"1"_s, u"30000"_s, u"100"_s}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"collection's total point value"_s))
        << messages.front().text.toStdString();
}

TEST_F(Counting, EveryColumnKeepsTheSelectedRowAfterACount)
{
    doubleClickRow("lstUnits", 2);
    for (const char *name : ListNames)
        EXPECT_EQ(selectedRow(list(name)), 2) << name;
}

TEST_F(Counting, ReloadKeepsCountsAndRebuildsTotals)
{
    doubleClickRow("lstUnits", 0);
    doubleClickRow("lstUnits", 2);
    chooseArmy();
    doubleClickRow("lstUnits", 1);

    // New point values and prices, and one more unit.
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,50\r\n"
                              "2,Hob,Standard,C,Mire,10\r\n"
                              "3,Gull,Weak,C,Coast,3\r\n"
                              "4,Titan,Tough,C,Stone,30000\r\n"
                              "5,Newt,Weak,C,Mire,1\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",4\r\n\"Hob (S)\",0.5\r\n");
    EXPECT_TRUE(main->LoadUnits().isEmpty());

    EXPECT_EQ(list("lstCollection")->model()->rowCount(), 5);
    EXPECT_EQ(counts("lstCollection"), (QStringList{u"1"_s, u"0"_s, u"1"_s, u"0"_s}));
    EXPECT_EQ(rowText(list("lstCollection"), 4), u"0"_s);
    EXPECT_EQ(counts("lstArmy"), (QStringList{u"0"_s, u"1"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(labels("Collection"), (QStringList{u"2"_s, u"53"_s, u"4"_s}));
    EXPECT_EQ(labels("Army"), (QStringList{u"1"_s, u"10"_s, u"0.5"_s}));
}

TEST_F(Counting, ReloadSaysWhatAShorterCatalogueDrops)
{
    doubleClickRow("lstUnits", 3);
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n");
    const QString report = main->LoadUnits();
    EXPECT_TRUE(report.contains(u"1 row(s)"_s)) << report.toStdString();
    EXPECT_EQ(list("lstCollection")->model()->rowCount(), 1);
    EXPECT_EQ(labels("Collection"), noTotals);
}

TEST_F(Counting, ReloadThatWouldOverflowChangesNothing)
{
    doubleClickRow("lstUnits", 3);
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n2,Hob,Standard,C,Mire,10\r\n"
                              "3,Gull,Weak,C,Coast,2.5\r\n4,Titan,Tough,C,Stone,40000\r\n");
    const QString report = main->LoadUnits();
    EXPECT_TRUE(report.contains(u"not reloaded"_s)) << report.toStdString();
    EXPECT_EQ(rowText(list("lstPointValue"), 3), u"30000"_s);
    EXPECT_EQ(labels("Collection"), (QStringList{u"1"_s, u"30000"_s, u"100"_s}));
}
