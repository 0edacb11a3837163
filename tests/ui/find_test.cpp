// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include <QToolBar>

// The find box through the real window: each step presses keys or types, then the selection,
// the box's status and where the focus is are checked.
TEST_F(GuiTest, FindSelectsUnitsByAnyPartOfTheirIdNameOrFaction)
{
    writeFile(u"rfarm.txt"_s,
              "a1,Cinder Acolyte,Weak,C,Ashen Covenant,9\r\n"
              "e7,\"Mara, the Ember Saint\",Unique,R,Ashen Covenant,72\r\n"
              "c3,Caf\xe9 Guard,Weak,C,Elves,5\r\nx9,Ember Hound,Tough,C,Elves,12\r\n"
              "b2,Stone Idol,Standard,C,Mire,8\r\n");
    writeFile(u"Grand.arm"_s, {});
    start(true);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QWidget *client = main->centralWidget();
    QMap<QString, QRect> designed;
    for (QWidget *control : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        designed.insert(control->objectName(), control->geometry());
    const QSize designedSize = main->size();
    auto *box = find<QLineEdit>(main.get(), "txtFind");
    QWidget *bar = find<QToolBar>(main.get(), "findBar");
    ASSERT_TRUE(box && bar && !bar->isVisible());
    list("lstArmy")->setFocus();
    main->selectRow(0);

    // clang-format off
    struct Press { const char *keys; /* "type:" text, or a key sequence */ int selected;
                  const char *status; };
    const Press steps[] = {
        {"Ctrl+F", 0, ""}, {"type:ember", 1, "1 of 2"},  // from the selected row on
        {"Return", 3, "2 of 2"}, {"F3", 1, "1 of 2"},      // on, and round past the end
        {"Shift+F3", 3, "2 of 2"}, {"Shift+F3", 1, "1 of 2"},
        {"type:CAFE GUARD", 2, "1 of 1"},                        // case and accents
        {"type:elves", 2, "1 of 2"}, {"F3", 3, "2 of 2"},  // the faction; the row itself first
        {"type:X9", 3, "1 of 1"}, {"type:b", 3, "2 of 3"}, // the ID; "Ember" and "b2" too
        {"type:zzz", 3, "No unit matches"}, {"type:ember", 3, "2 of 2"},
        {"Escape", 3, nullptr}, {"F3", 1, nullptr}, {"Shift+F3", 3, nullptr}}; // box hidden
    // clang-format on
    for (const Press &step : steps) {
        SCOPED_TRACE(step.keys);
        const QString keys = QLatin1String(step.keys);
        if (keys.startsWith(u"type:")) {
            box->clear();
            QTest::keyClicks(box, keys.mid(5));
        } else {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));
        }
        EXPECT_EQ(main->selectedRow(), step.selected);
        expectAligned(step.selected);
        EXPECT_EQ(bar->isVisible(), step.status != nullptr);
        if (step.status != nullptr) {
            EXPECT_EQ(text("lblFindStatus"), QLatin1String(step.status));
            EXPECT_EQ(QApplication::focusWidget(), box);
            EXPECT_EQ(main->size(), designedSize + QSize(0, bar->height()));
        }
    }
    // Closed, the box gives back its height and the focus to the list it came from, where
    // Enter counts the found unit; no designed control moved meanwhile.
    EXPECT_EQ(main->size(), designedSize);
    EXPECT_EQ(QApplication::focusWidget(), list("lstArmy"));
    find<QRadioButton>(main.get(), "optArmy")->setChecked(true);
    QTest::keyClick(list("lstUnits"), Qt::Key_Return);
    EXPECT_EQ(shown("Army"), u"0 0 0 1 0 | 1 12 0"_s);
    for (QWidget *control : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_EQ(control->geometry(), designed.value(control->objectName()))
            << control->objectName().toStdString();

    // Opened again it holds its text, selected; a reload while it shows is searched anew.
    QTest::keySequence(list("lstUnits"), QKeySequence::Find);
    EXPECT_EQ(box->selectedText(), u"ember"_s);
    writeFile(u"rfarm.txt"_s, "n1,Ember Wisp,Weak,C,Fen,1\r\nn2,Bog Ember,Weak,C,Fen,1\r\n");
    doubleClickItem(find<QListWidget>(picker.get(), "filWorld"), u"Grand.arm"_s);
    main->selectRow(0);
    box->clear();
    QTest::keyClicks(box, u"bog"_s);
    EXPECT_EQ(main->selectedRow(), 1);
    EXPECT_EQ(text("lblFindStatus"), u"1 of 1"_s);
}
