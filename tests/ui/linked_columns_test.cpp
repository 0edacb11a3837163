#include "gui_fixture.h"

#include <QLabel>
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
            QListView *view = list(name);
            EXPECT_EQ(selectedRow(view), selected) << name;
            EXPECT_EQ(topRow(view), top) << name;
        }
    }

    QString label(const char *name) { return find<QLabel>(main.get(), name)->text(); }
};

} // namespace

TEST_F(LinkedColumns, ClickInAnyColumnSelectsThatRowEverywhereWithOneTopRow)
{
    for (const char *name : ListNames) {
        SCOPED_TRACE(name);
        QListView *source = list(name);
        clickRow(source, 40);
        const int top = topRow(source);
        EXPECT_GT(top, 0);
        expectAligned(40, top);
        clickRow(source, 3);
        expectAligned(3, topRow(source));
    }
}

TEST_F(LinkedColumns, RightButtonPressInRarityAlignsLikeALeftOne)
{
    clickRow(list("lstRarity"), 40, Qt::RightButton);
    expectAligned(40, topRow(list("lstRarity")));
}

TEST_F(LinkedColumns, ScrollingOneColumnScrollsAllAndKeepsTheSelection)
{
    clickRow(list("lstUnits"), 2);
    for (const char *name : ListNames) {
        SCOPED_TRACE(name);
        list(name)->verticalScrollBar()->setValue(20);
        expectAligned(2, 20);
        list(name)->verticalScrollBar()->setValue(0);
        expectAligned(2, 0);
    }
}

TEST_F(LinkedColumns, WheelOverOneColumnScrollsAll)
{
    QListView *view = list("lstFaction");
    const QPoint at = view->viewport()->rect().center();
    QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    const int top = topRow(view);
    EXPECT_GT(top, 0);
    expectAligned(-1, top);
}

TEST_F(LinkedColumns, DownArrowInPointValueMovesEveryColumn)
{
    // The row is chosen in another column first, so the key starts from that row.
    clickRow(list("lstUnits"), 3);
    QListView *points = list("lstPointValue");
    points->setFocus();
    QTest::keyClick(points, Qt::Key_Down);
    expectAligned(4, 0);
    EXPECT_EQ(label("lblPriceGuideName"), u"Unit 4 (W)"_s);

    // Page keys also start from the row chosen in another column, not from the top.
    clickRow(list("lstUnits"), 5);
    points->setFocus();
    QTest::keyClick(points, Qt::Key_PageDown);
    EXPECT_GT(main->selectedRow(), 5);
    expectAligned(main->selectedRow(), topRow(points));
    main->selectRow(0);

    // Walking past the last visible row scrolls all columns together.
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(points, Qt::Key_Down);
    EXPECT_GT(topRow(points), 0);
    expectAligned(20, topRow(points));
}

TEST_F(LinkedColumns, PriceLabelsFollowTheSelectedUnit)
{
    struct Case
    {
        const char *column;
        int row;
        QString guideName, price;
    };
    const Case cases[] = {
        {"lstFaction", 40, u"Unit 40 (W)"_s, u"12.50"_s},
        {"lstArmy", 41, u"Unit 41 (S)"_s, u"3"_s},
        {"lstUnitId", 42, u"Unit 42 (T)"_s, QString()},
        {"lstRarity", 60, QString(), QString()},
    };
    for (const Case &c : cases) {
        clickRow(list(c.column), c.row);
        EXPECT_EQ(label("lblPriceGuideName"), c.guideName) << c.column;
        EXPECT_EQ(label("lblUnitPrice"), c.price) << c.column;
    }
}

TEST_F(LinkedColumns, ProgramSelectionMovesEveryColumnAndShowsTheRow)
{
    main->selectRow(55);
    EXPECT_EQ(main->selectedRow(), 55);
    const int top = topRow(list("lstUnits"));
    EXPECT_GT(top, 40);
    expectAligned(55, top);
    EXPECT_EQ(label("lblPriceGuideName"), u"Unit 55 (U)"_s);

    // Clearing the selection leaves the labels on the last unit shown.
    main->selectRow(-1);
    expectAligned(-1, top);
    EXPECT_EQ(main->selectedRow(), -1);
    EXPECT_EQ(label("lblPriceGuideName"), u"Unit 55 (U)"_s);
}

TEST_F(LinkedColumns, ReloadAfterScrollingLeavesTheColumnsTogether)
{
    clickRow(list("lstUnits"), 60);
    writeFile(u"rfarm.txt"_s, numberedCatalogue(20));
    main->LoadUnits();
    QCoreApplication::processEvents();
    for (const char *name : ListNames)
        EXPECT_EQ(list(name)->model()->rowCount(), 20) << name;
    expectAligned(-1, topRow(list("lstUnits")));
    clickRow(list("lstStr"), 2);
    expectAligned(2, topRow(list("lstStr")));
}
