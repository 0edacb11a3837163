#include "gui_fixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class LinkedColumns : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, numberedCatalogue(60) + "60,Wanderer,Giant,C,F0,1\r\n");
        writeFile(u"current-runeforge.txt"_s, "\"Unit 40 (W)\",12.50\n\"Unit 41 (S)\",3\n");
        start(true);
    }
};

} // namespace

TEST_F(LinkedColumns, ClickScrollOrKeyInAnyColumnMovesAllEight)
{
    for (const char *name : ListNames) {
        SCOPED_TRACE(name);
        QListView *source = list(name);
        clickRow(source, 40);
        expectAligned(40);
        source->verticalScrollBar()->setValue(20);
        EXPECT_EQ(topRow(list("lstArmy")), 20);
        EXPECT_EQ(topRow(list("lstUnitId")), 20);
        clickRow(source, 3);
        expectAligned(3);
        // Keys start from the row chosen in another column, and scroll all columns together.
        source->setFocus();
        QTest::keyClick(source, Qt::Key_Down);
        expectAligned(4);
        QTest::keyClick(source, Qt::Key_PageDown);
        EXPECT_GT(main->selectedRow(), 4);
        expectAligned(main->selectedRow());
        QTest::keyClick(source, Qt::Key_End);
        expectAligned(60);
    }

    // A right-button press aligns like a left one; the wheel scrolls every column.
    clickRow(list("lstRarity"), 45, Qt::RightButton);
    expectAligned(45);
    const int before = topRow(list("lstFaction"));
    QWidget *faction = list("lstFaction")->viewport();
    const QPoint at = faction->rect().center();
    QWheelEvent wheel(at, faction->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(faction, &wheel);
    EXPECT_LT(topRow(list("lstFaction")), before);
    for (const char *name : ListNames)
        EXPECT_EQ(topRow(list(name)), topRow(list("lstFaction"))) << name;
}

TEST_F(LinkedColumns, PriceLabelsFollowTheSelectedUnit)
{
    // clang-format off
    const std::tuple<const char *, int, QString, QString> cases[] = {
        {"lstFaction", 40, u"Unit 40 (W)"_s, u"12.50"_s}, {"lstArmy", 41, u"Unit 41 (S)"_s, u"3"_s},
        {"lstUnitId", 42, u"Unit 42 (T)"_s, QString()}, {"lstRarity", 60, QString(), QString()}};
    // clang-format on
    for (const auto &[column, row, guideName, price] : cases) {
        clickRow(list(column), row);
        EXPECT_EQ(text("lblPriceGuideName"), guideName) << column;
        EXPECT_EQ(text("lblUnitPrice"), price) << column;
    }

    // A selection made by the program moves and shows every column too; clearing it leaves
    // the labels on the last unit shown.
    main->selectRow(55);
    expectAligned(55);
    EXPECT_EQ(text("lblPriceGuideName"), u"Unit 55 (U)"_s);
    main->selectRow(-1);
    expectAligned(-1);
    EXPECT_EQ(text("lblPriceGuideName"), u"Unit 55 (U)"_s);

    // A reload to a shorter catalogue leaves the columns together.
    writeFile(u"rfarm.txt"_s, numberedCatalogue(20));
    main->LoadUnits();
    for (const char *name : ListNames)
        EXPECT_EQ(list(name)->model()->rowCount(), 20) << name;
    expectAligned(-1);
    clickRow(list("lstStr"), 19);
    expectAligned(19);
}
