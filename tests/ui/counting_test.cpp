#include "gui_fixture.h"

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
        start(true);
    }
};

} // namespace

TEST_F(Counting, DoubleClicksCountIntoTheChosenTally)
{
    // clang-format off
    struct Click { const char *option /* chosen first, when set */, *column; int row;
                   const char *collection, *army; };
    const Click steps[] = {
        {nullptr, "lstUnitId", 2, "0 0 1 0 | 1 2 1", "0 0 0 0 | 0 0 0"}, // "Collection" at start
        {nullptr, "lstUnits", 2, "0 0 2 0 | 2 4 2", "0 0 0 0 | 0 0 0"}, // 2.5 points round to 2
        {nullptr, "lstArmy", 2, "0 0 1 0 | 1 2 1", "0 0 0 0 | 0 0 0"},  // removes from the chosen
        {"optArmy", "lstUnits", 0, "0 0 1 0 | 1 2 1", "1 0 0 0 | 1 45 3.5"},
        {nullptr, "lstUnitId", 0, "0 0 1 0 | 1 2 1", "2 0 0 0 | 2 90 7"},
        {nullptr, "lstCollection", 0, "0 0 1 0 | 1 2 1", "1 0 0 0 | 1 45 3.5"},
        {nullptr, "lstArmy", 1, "0 0 1 0 | 1 2 1", "1 0 0 0 | 1 45 3.5"}, // nothing to remove
        {nullptr, "lstStr", 0, "0 0 1 0 | 1 2 1", "1 0 0 0 | 1 45 3.5"},  // counts nothing
        {nullptr, "lstFaction", 0, "0 0 1 0 | 1 2 1", "1 0 0 0 | 1 45 3.5"},
        {nullptr, "lstRarity", 0, "0 0 1 0 | 1 2 1", "1 0 0 0 | 1 45 3.5"},
        {nullptr, "lstPointValue", 0, "0 0 1 0 | 1 2 1", "1 0 0 0 | 1 45 3.5"},
        {"optCollection", "lstUnits", 1, "0 1 1 0 | 2 12 1", "1 0 0 0 | 1 45 3.5"}, // no price
        {nullptr, "lstUnits", 3, "0 1 1 1 | 3 30012 101", "1 0 0 0 | 1 45 3.5"},
        {nullptr, "lstUnits", 3, "0 1 1 1 | 3 30012 101", "1 0 0 0 | 1 45 3.5"}}; // overflow
    // clang-format on
    for (const Click &step : steps) {
        SCOPED_TRACE(step.column + std::to_string(step.row));
        if (step.option != nullptr)
            QTest::mouseClick(find<QRadioButton>(main.get(), step.option), Qt::LeftButton);
        doubleClickRow(list(step.column), step.row);
        EXPECT_EQ(shown("Collection"), QLatin1String(step.collection));
        EXPECT_EQ(shown("Army"), QLatin1String(step.army));
        expectAligned(step.row); // a count keeps the selection
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"collection's total point value"_s))
        << messages.front().text.toStdString();

    // A padded count text from a file counts on in its short form; a double-click that reaches
    // the list with no row selected counts nothing.
    globals->collection.counts[0] = u"4"_s + QString(29, u' ');
    doubleClickRow(list("lstUnits"), 0);
    main->selectRow(-1);
    Q_EMIT list("lstUnits")->doubleClicked(QModelIndex());
    EXPECT_EQ(shown("Collection"), u"5 1 1 1 | 4 30057 104.5"_s);
}

TEST_F(Counting, ReloadKeepsCountsAndRebuildsTotals)
{
    doubleClickRow(list("lstUnits"), 0);
    doubleClickRow(list("lstUnits"), 2);
    QTest::mouseClick(find<QRadioButton>(main.get(), "optArmy"), Qt::LeftButton);
    doubleClickRow(list("lstUnits"), 1);
    doubleClickRow(list("lstUnits"), 3);

    // New point values and prices, and one more unit.
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,50\r\n2,Hob,Standard,C,Mire,10\r\n"
                              "3,Gull,Weak,C,Coast,3\r\n4,Titan,Tough,C,Stone,30000\r\n"
                              "5,Newt,Weak,C,Mire,1\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",4\r\n\"Hob (S)\",0.5\r\n");
    EXPECT_EQ(main->LoadUnits(), QString());
    EXPECT_EQ(shown("Collection"), u"1 0 1 0 0 | 2 53 4"_s);
    EXPECT_EQ(shown("Army"), u"0 1 0 1 0 | 2 30010 0.5"_s);

    // A reload whose totals would overflow changes nothing; one that drops counted rows says so.
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n2,Hob,Standard,C,Mire,10\r\n"
                              "3,Gull,Weak,C,Coast,2.5\r\n4,Titan,Tough,C,Stone,40000\r\n");
    EXPECT_TRUE(main->LoadUnits().contains(u"not reloaded"_s));
    EXPECT_EQ(column("lstPointValue"), texts({"50", "10", "3", "30000", "1"}));
    EXPECT_EQ(shown("Army"), u"0 1 0 1 0 | 2 30010 0.5"_s);
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n");
    EXPECT_TRUE(main->LoadUnits().contains(u"3 row(s)"_s)); // two army rows, one collection row
    EXPECT_EQ(shown("Army"), u"0 | 0 0 0"_s);
}
