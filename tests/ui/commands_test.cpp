// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"
#include "tally_files/tally_file.h"
#include "ui/column_list_view.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolTip>

namespace {

// Forty numbered units and one whose name no column shows whole, the tallies named.
class Commands : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, numberedCatalogue(40) + "u40," + QByteArray(120, 'W') +
                                      " the Long,Weak,C,F0,1\r\n");
        writeFile(u"current-runeforge.txt"_s, "\"Unit 0 (W)\",1.25\r\n\"Unit 4 (W)\",2.5\r\n");
        start(true);
        find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Evening"_s);
        find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Raid"_s);
    }

    // The marks beside the name boxes with what their tooltips say, up to the recovery copy.
    QString saved() const
    {
        QStringList marks;
        for (const char *name : {"lblCollectionSaved", "lblArmySaved"}) {
            const auto *mark = find<QLabel>(main.get(), name);
            marks.append(mark->text() + mark->toolTip().section(u" A recovery"_s, 0, 0));
        }
        return marks.join(u" / "_s);
    }
};

QString keys(QKeySequence::StandardKey key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

// Each command says what it did in the status bar and keeps the selected unit and the top row
// where the user had them; the bar's right part follows each tally's saved state.
TEST_F(Commands, EachSaysWhatItDidAndKeepsTheUsersPlace)
{
    const QString noChanges = u"The collection has no changes to save. / "_s,
                  collectionSaved = u"The collection is saved in \"Evening.sav\". / "_s,
                  armySaved = u"The army is saved in \"Raid.sav\"."_s,
                  bothSaved = collectionSaved + armySaved,
                  oneChange = u"*The collection is not saved: 1 unit counted otherwise than in "
                              "\"Evening.sav\". / "_s;
    EXPECT_EQ(saved(), noChanges + u"The army has no changes to save."_s);
    QTest::mouseClick(find<QRadioButton>(main.get(), "optArmy"), Qt::LeftButton);
    doubleClickRow(list("lstUnits"), 3);
    doubleClickRow(list("lstUnits"), 3);
    EXPECT_EQ(main->statusLine(), u"One Unit 3 counted into the army (2 now)."_s);
    EXPECT_EQ(saved(), noChanges + u"*The army is not saved: 1 unit counted."_s);
    doubleClickRow(list("lstArmy"), 5);
    EXPECT_EQ(main->statusLine(), u"There is no Unit 5 in the army to take away."_s);
    main->selectRow(20);
    list("lstUnits")->verticalScrollBar()->setValue(17);
    const std::tuple<std::function<void()>, QString, QString> steps[] = {
        {[&] { trigger("mnuSaveArmy"); },
         u"Saved the army \"Raid\" to \"Raid.sav\": 2 figures, 8 points."_s, noChanges + armySaved},
        {[&] { trigger("mnuAddArmyCollection"); },
         u"Added \"Raid.sav\" to the collection: 2 figures."_s,
         u"*The collection is not saved: 1 unit counted. / "_s + armySaved},
        {[&] { trigger("mnuSaveCollection"); },
         u"Saved the collection \"Evening\" to \"Evening.sav\": 2 figures, 8 points."_s, bothSaved},
        {[&] { trigger("mnuPrintCollectionToFile"); },
         u"Wrote the collection to \"Evening.txt\": 1 unit."_s, bothSaved},
        {[&] { trigger("mnuIncludeSummary"); },
         u"The reports end with a summary of the collection's totals."_s, bothSaved},
        {[&] { trigger("mnuPrintCollectionHtml"); },
         u"Wrote the collection to \"Evening.htm\": 1 unit."_s, bothSaved},
        {[&] { trigger("actUndo"); }, u"Undid: adding \"Raid.sav\" to the collection."_s,
         oneChange + armySaved},
        {[&] { trigger("actRedo"); }, u"Redid: adding \"Raid.sav\" to the collection."_s,
         bothSaved},
        {[&] { trigger("mnuAddArmyCollection"); },
         u"Added \"Raid.sav\" to the collection: 2 figures."_s, oneChange + armySaved},
        {[&] { main->LoadArmy(); }, u"Loaded \"Raid.sav\" into the army: 2 figures."_s,
         oneChange + armySaved},
        // Undone back to the counts the file holds: saved.
        {[&] { trigger("actUndo"); }, u"Undid: loading \"Raid.sav\" into the army."_s,
         oneChange + armySaved},
        // A failure keeps its message box and leaves no earlier success on the bar; the new
        // name names no file.
        {[&] {
             find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Gone"_s);
             trigger("mnuAddArmyCollection");
         },
         QString(), oneChange + u"*The army is not saved: 1 unit counted."_s}};
    for (const auto &[command, says, state] : steps) {
        command();
        EXPECT_EQ(main->statusLine(), says);
        EXPECT_EQ(saved(), state) << says.toStdString();
        EXPECT_EQ(topRow(list("lstUnits")), 17) << says.toStdString();
        expectAligned(20);
    }
    ASSERT_EQ(messages.size(), 1) << messages.front().text.toStdString();
    EXPECT_TRUE(messages.front().text.contains(u"Gone.sav"_s));
    // The line is the bar's only part, so that it has the window's whole width.
    EXPECT_EQ(main->statusBar()->findChildren<QLabel *>(),
              QList<QLabel *>{find<QLabel>(main.get(), "lblStatus")});
}

// The lists' menu counts into the chosen tally, names the steps that undo and redo would take,
// and finds, each with its key; the focused list shows it, the counting column is marked, a
// name cut off shows whole as a tooltip, and the ruleset window leaves the menu bar free.
TEST_F(Commands, ListMenuFocusMarksAndTooltipsShowWhatTheListsDo)
{
    auto *menu = find<QMenu>(main.get(), "listMenu");
    const auto open = [&](const char *name, int row) {
        QListView *view = list(name);
        const QPoint at = view->visualRect(view->model()->index(row, view->modelColumn())).center();
        QContextMenuEvent event(row < 0 ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(row < 0 ? static_cast<QWidget *>(view) : view->viewport(), &event);
        EXPECT_TRUE(menu->isVisible());
        QStringList items;
        for (QAction *action : menu->actions())
            if (!action->isSeparator())
                items.append(action->text() + u'|' +
                             action->shortcut().toString(QKeySequence::NativeText) +
                             (action->isEnabled() ? u""_s : u" (off)"_s));
        menu->hide();
        return items;
    };
    const QString find = u"Find a Unit...|"_s + keys(QKeySequence::Find),
                  next = u"Find Next|"_s + keys(QKeySequence::FindNext);
    EXPECT_EQ(open("lstUnits", 4),
              QStringList({u"Add One to the collection|Return"_s,
                           u"Take One from the collection| (off)"_s,
                           u"Undo|"_s + keys(QKeySequence::Undo) + u" (off)"_s,
                           u"Redo|"_s + keys(QKeySequence::Redo) + u" (off)"_s, find, next,
                           u"Show|"_s, u"Export CSV...|Ctrl+E"_s, u"Import CSV...|Ctrl+I"_s}));
    EXPECT_EQ(main->selectedRow(), 4);
    GuiTest::find<QAction>(main.get(), "actAddOne")->trigger();
    EXPECT_EQ(main->statusLine(), u"One Unit 4 counted into the collection (1 now)."_s);
    // From the keyboard, about the selected row; the count column's Enter takes one away.
    EXPECT_EQ(open("lstCollection", -1).mid(1, 2),
              QStringList(
                  {u"Take One from the collection|Return"_s,
                   u"Undo one Unit 4 counted into the collection|"_s + keys(QKeySequence::Undo)}));
    EXPECT_EQ(main->selectedRow(), 4);
    GuiTest::find<QAction>(main.get(), "actTakeOne")->trigger();
    EXPECT_EQ(column("lstCollection")[4], u"0"_s);
    GuiTest::find<QAction>(main.get(), "actFind")->trigger();
    EXPECT_TRUE(GuiTest::find<QWidget>(main.get(), "findBar")->isVisible());
    EXPECT_EQ(GuiTest::find<QLineEdit>(main.get(), "txtFind")->placeholderText(),
              u"ID, name or faction"_s);

    // The focus frame, in a list that holds no current index of its own.
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QListView *faction = list("lstFaction"), *army = list("lstArmy");
    list("lstUnits")->setFocus();
    const QImage unfocused = faction->viewport()->grab().toImage();
    faction->setFocus();
    EXPECT_NE(faction->viewport()->grab().toImage(), unfocused);
    // Unfocused, the list frames nothing, with a current row or without one.
    list("lstUnits")->setFocus();
    faction->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    EXPECT_EQ(faction->viewport()->grab().toImage(), unfocused);
    // The column a double-click changes, and its heading, move with the option.
    const QImage notCounting = army->viewport()->grab().toImage();
    QTest::mouseClick(GuiTest::find<QRadioButton>(main.get(), "optArmy"), Qt::LeftButton);
    EXPECT_NE(army->viewport()->grab().toImage(), notCounting);
    EXPECT_TRUE(GuiTest::find<QLabel>(main.get(), "Label8")->font().underline());
    EXPECT_FALSE(GuiTest::find<QLabel>(main.get(), "Label7")->font().underline());

    for (const int row : {3, 40}) {
        QListView *names = list("lstUnits");
        names->scrollTo(names->model()->index(row, 1));
        const QPoint at = names->visualRect(names->model()->index(row, 1)).center();
        QHelpEvent help(QEvent::ToolTip, at, names->viewport()->mapToGlobal(at));
        QApplication::sendEvent(names->viewport(), &help);
        EXPECT_EQ(QToolTip::text(), row == 3 ? QString() : rowText(names, row));
    }

    const QRect menuBar(main->menuBar()->mapToGlobal(QPoint()), main->menuBar()->size());
    EXPECT_FALSE(picker->frameGeometry().intersects(menuBar));
    EXPECT_TRUE(main->screen()->availableGeometry().contains(picker->frameGeometry()));
}

// Each choice shows its units in catalogue order and says how many, and what the army lacks;
// counting, undo, find and saving work on while units are hidden, and rows never move under
// the pointer until the choice is made again.
TEST_F(Commands, ChoicesShowWhatTheTalliesPickOut)
{
    // The collection holds 2 of unit 0 and 1 of unit 4; the army 3 of unit 4, 1 of unit 6
    // (no price) and 1 of unit 0.
    for (const auto &[which, row] : {std::pair{WhichTally::Collection, 0},
                                     {WhichTally::Collection, 0},
                                     {WhichTally::Collection, 4},
                                     {WhichTally::Army, 4},
                                     {WhichTally::Army, 4},
                                     {WhichTally::Army, 4},
                                     {WhichTally::Army, 6},
                                     {WhichTally::Army, 0}})
        main->document().countFigure(which, row, Step::Add);
    auto *box = GuiTest::find<QComboBox>(main.get(), "cboShow");
    const QList<QAction *> menu = GuiTest::find<QMenu>(main.get(), "mnuShow")->actions();
    main->selectRow(5);
    // The unit selected stays while it is shown, and else the first shown is selected.
    const std::tuple<UnitChoice, QString, int, QString, QString> choices[] = {
        {UnitChoice::InCollection, u"u0 u4"_s, 0, u"2 of 41"_s, u"Showing 2 of 41 units."_s},
        {UnitChoice::InArmy, u"u0 u4 u6"_s, 0, u"3 of 41"_s, u"Showing 3 of 41 units."_s},
        {UnitChoice::NotInCollection, u"u1 u2 u3 u5"_s, 1, u"39 of 41"_s,
         u"Showing 39 of 41 units."_s},
        {UnitChoice::All, u"u0 u1 u2 u3"_s, 1, QString(), QString()},
        {UnitChoice::LackingForArmy, u"u4 u6"_s, 4, u"2 of 41; 3 lacking, 5.00 (1 unpriced)"_s,
         u"Showing 2 of 41 units. Lacking 3 figures, about 5.00 (1 without a price)."_s}};
    for (const auto &[choice, shown, selected, says, whole] : choices) {
        // From the bar's box and from the lists' menu, in turn; both show the choice made.
        if (choice == UnitChoice::InArmy || choice == UnitChoice::All)
            Q_EMIT box->activated(int(choice));
        else
            menu.at(int(choice))->trigger();
        EXPECT_EQ(box->currentIndex(), int(choice));
        EXPECT_TRUE(menu.at(int(choice))->isChecked());
        EXPECT_EQ(column("lstUnitId").mid(0, 4).join(u' '), shown);
        EXPECT_EQ(text("lblShown"), says);
        EXPECT_EQ(GuiTest::find<QLabel>(main.get(), "lblShown")->toolTip(), whole);
        // Beside the choice, shown while it hides units; something shown is selected.
        EXPECT_TRUE(says.isEmpty() || GuiTest::find<QWidget>(main.get(), "findBar")->isVisible());
        EXPECT_EQ(main->selectedRow(), selected);
    }
    // Unit 4 counted up to the army's 3 is no longer lacking, but keeps its row.
    doubleClickRow(list("lstUnits"), 0);
    doubleClickRow(list("lstUnits"), 0);
    EXPECT_EQ(column("lstCollection"), texts({"3", "0"}));
    EXPECT_EQ(text("lblShown"), u"2 of 41; 1 lacking (1 unpriced)"_s);
    for (int step = 0; step < 3; ++step)
        trigger("actUndo"); // the last, of the army's unit 0 which the choice hid, shows it
    EXPECT_EQ(column("lstUnitId"), texts({"u0", "u4", "u6"}));
    EXPECT_EQ(main->selectedRow(), 0);
    // Find looks among the shown units alone; a save writes the whole tally.
    trigger("actFind");
    QTest::keyClicks(GuiTest::find<QLineEdit>(main.get(), "txtFind"), u"Unit"_s);
    EXPECT_EQ(text("lblFindStatus"), u"1 of 3"_s);
    trigger("mnuSaveCollection");
    EXPECT_EQ(fileBytes(u"Evening.sav"_s), TallyFile::encode(globals->collection.counts));
    // Ctrl+Shift+F puts the focus on the choice; all units again keep the selected one.
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    trigger("actShow");
    EXPECT_EQ(QApplication::focusWidget(), box);
    Q_EMIT box->activated(int(UnitChoice::All));
    EXPECT_EQ(list("lstUnitId")->model()->rowCount(), 41);
    expectAligned(0);
}
