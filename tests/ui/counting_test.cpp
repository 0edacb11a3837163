// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

TEST_F(GuiTest, DoubleClicksCountIntoTheChosenTally)
{
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n2,Hob,Standard,C,Mire,10\r\n"
                              "3,Gull,Weak,C,Coast,2.5\r\n4,Titan,Tough,C,Stone,30000\r\n");
    writeFile(u"current-runeforge.txt"_s,
              "\"Grub (W)\",3.5\r\n\"Gull (W)\",1\r\n\"Titan (T)\",100\r\n");
    start(true);
    // The random session double-clicks every column; these are the totals as they are shown.
    // clang-format off
    struct Click { const char *option /* chosen first, when set */, *column; int row;
                   const char *collection, *army; };
    const Click steps[] = {
        {nullptr, "lstUnitId", 2, "0 0 1 0 | 1 2 1", "0 0 0 0 | 0 0 0"}, // "Collection" at start
        {nullptr, "lstUnits", 2, "0 0 2 0 | 2 4 2", "0 0 0 0 | 0 0 0"}, // 4.5 points round to 4
        {"optArmy", "lstUnits", 0, "0 0 2 0 | 2 4 2", "1 0 0 0 | 1 45 3.5"},
        {"optCollection", "lstUnits", 1, "0 1 2 0 | 3 14 2", "1 0 0 0 | 1 45 3.5"}, // no price
        {nullptr, "lstUnits", 3, "0 1 2 1 | 4 30014 102", "1 0 0 0 | 1 45 3.5"},
        {nullptr, "lstUnits", 3, "0 1 2 1 | 4 30014 102", "1 0 0 0 | 1 45 3.5"}}; // overflow
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
    EXPECT_EQ(messages.front().text,
              u"A collection can hold at most 32767 points; this figure would make it 60014."_s);
    // Taken away below the least a total holds.
    QTest::mouseClick(find<QRadioButton>(main.get(), "optArmy"), Qt::LeftButton);
    main->document().replaceTally(WhichTally::Army, {texts({"0", "0", "0", "1"}), {1, -30000, 0}},
                                  {});
    doubleClickRow(list("lstArmy"), 3);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.back().text, u"An army can hold no fewer than -32768 points; taking this "
                                    "figure away would make it -60000."_s);
    QTest::mouseClick(find<QRadioButton>(main.get(), "optCollection"), Qt::LeftButton);

    // A double-click that reaches the list with no row selected counts nothing.
    main->selectRow(-1);
    Q_EMIT list("lstUnits")->doubleClicked(QModelIndex());
    EXPECT_EQ(shown("Collection"), u"0 1 2 1 | 4 30014 102"_s);
}
