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
        start();
        picker->hide();
    }

    // Every list shows `selected` as its selected row and `top` as its first row.
    void expectAligned(int selected, int top)
    {
        QCoreApplication::processEvents(); // lets the lists lay out their rows
        for (const char *name : ListNames) {
            EXPECT_EQ(selectedRow(list(name)), selected) << name;
            EXPECT_EQ(topRow(list(name)), top) << name;
        }
    }
};

} // namespace

TEST_F(LinkedColumns, ClickOrScrollInAnyColumnMovesAllEight)
{
    for (const char *name : ListNames) {
        SCOPED_TRACE(name);
        QListView *source = list(name);
        clickRow(source, 40);
        EXPECT_GT(topRow(source), 0);
        expectAligned(40, topRow(source));
        source->verticalScrollBar()->setValue(20);
        expectAligned(40, 20);
        clickRow(source, 3);
        expectAligned(3, topRow(source));
    }

    // A right-button press aligns like a left one; the wheel scrolls every column.
    clickRow(list("lstRarity"), 45, Qt::RightButton);
    expectAligned(45, topRow(list("lstRarity")));
    QWidget *faction = list("lstFaction")->viewport();
    const QPoint at = faction->rect().center();
    QWheelEvent wheel(at, faction->mapToGlobal(at), QPoint(), QPoint(0, 360), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(faction, &wheel);
    EXPECT_LT(topRow(list("lstFaction")), 40);
    expectAligned(45, topRow(list("lstFaction")));
}

TEST_F(LinkedColumns, KeysInPointValueStartFromTheRowChosenElsewhere)
{
    QListView *points = list("lstPointValue");
    clickRow(list("lstUnits"), 3);
    points->setFocus();
    QTest::keyClick(points, Qt::Key_Down);
    expectAligned(4, 0);
    EXPECT_EQ(text("lblPriceGuideName"), u"Unit 4 (W)"_s);

    clickRow(list("lstUnits"), 5);
    points->setFocus();
    QTest::keyClick(points, Qt::Key_PageDown);
    EXPECT_GT(main->selectedRow(), 5);
    expectAligned(main->selectedRow(), topRow(points));

    // Walking past the last visible row scrolls all columns together.
    main->selectRow(0);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(points, Qt::Key_Down);
    EXPECT_GT(topRow(points), 0);
    expectAligned(20, topRow(points));
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
    const int top = topRow(list("lstUnits"));
    EXPECT_GT(top, 40);
    expectAligned(55, top);
    EXPECT_EQ(text("lblPriceGuideName"), u"Unit 55 (U)"_s);
    main->selectRow(-1);
    expectAligned(-1, top);
    EXPECT_EQ(text("lblPriceGuideName"), u"Unit 55 (U)"_s);
}

TEST_F(LinkedColumns, ReloadToAShorterCatalogueLeavesTheColumnsTogether)
{
    clickRow(list("lstUnits"), 60);
    writeFile(u"rfarm.txt"_s, numberedCatalogue(20));
    main->LoadUnits();
    for (const char *name : ListNames)
        EXPECT_EQ(list(name)->model()->rowCount(), 20) << name;
    QCoreApplication::processEvents();
    expectAligned(-1, topRow(list("lstUnits")));
    clickRow(list("lstStr"), 2);
    expectAligned(2, topRow(list("lstStr")));
}
