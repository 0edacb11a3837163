#include "gui_fixture.h"
#include "ui/column_list_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
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
        writeFile(u"current-runeforge.txt"_s, {});
        start(true);
        find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Evening"_s);
        find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Raid"_s);
    }

    QString saved() const { return text("lblCollectionSaved") + u" / "_s + text("lblArmySaved"); }
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
    EXPECT_EQ(saved(), u"Collection: no changes / Army: no changes"_s);
    QTest::mouseClick(find<QRadioButton>(main.get(), "optArmy"), Qt::LeftButton);
    doubleClickRow(list("lstUnits"), 3);
    doubleClickRow(list("lstUnits"), 3);
    EXPECT_EQ(main->statusLine(), u"One Unit 3 counted into the army (2 now)."_s);
    doubleClickRow(list("lstArmy"), 5);
    EXPECT_EQ(main->statusLine(), u"There is no Unit 5 in the army to take away."_s);
    main->selectRow(20);
    list("lstUnits")->verticalScrollBar()->setValue(17);
    const QString bothSaved = u"Collection: saved / Army: saved"_s;
    const std::tuple<std::function<void()>, QString, QString> steps[] = {
        {[&] { trigger("mnuSaveArmy"); },
         u"Saved the army \"Raid\" to \"Raid.sav\": 2 figures, 8 points."_s,
         u"Collection: no changes / Army: saved"_s},
        {[&] { trigger("mnuAddArmyCollection"); },
         u"Added \"Raid.sav\" to the collection: 2 figures."_s,
         u"Collection: 1 change not saved / Army: saved"_s},
        {[&] { trigger("mnuSaveCollection"); },
         u"Saved the collection \"Evening\" to \"Evening.sav\": 2 figures, 8 points."_s, bothSaved},
        {[&] { trigger("mnuPrintCollectionToFile"); },
         u"Wrote the collection to \"Evening.txt\": 1 unit."_s, bothSaved},
        {[&] { trigger("mnuIncludeSummary"); },
         u"The reports end with a summary of the collection's totals."_s, bothSaved},
        {[&] { trigger("mnuPrintCollectionHtml"); },
         u"Wrote the collection to \"Evening.htm\": 1 unit."_s, bothSaved},
        {[&] { trigger("actUndo"); }, u"Undid: adding \"Raid.sav\" to the collection."_s,
         u"Collection: 1 change not saved / Army: saved"_s},
        {[&] { trigger("actRedo"); }, u"Redid: adding \"Raid.sav\" to the collection."_s,
         bothSaved},
        {[&] { main->LoadArmy(); }, u"Loaded \"Raid.sav\" into the army: 2 figures."_s, bothSaved},
        {[&] { trigger("actUndo"); }, u"Undid: loading \"Raid.sav\" into the army."_s,
         u"Collection: saved / Army: 1 change not saved"_s},
        // A failure keeps its message box and leaves no earlier success on the bar.
        {[&] {
             find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Gone"_s);
             trigger("mnuAddArmyCollection");
         },
         QString(), u"Collection: saved / Army: 1 change not saved"_s}};
    for (const auto &[command, says, state] : steps) {
        command();
        EXPECT_EQ(main->statusLine(), says);
        EXPECT_EQ(saved(), state) << says.toStdString();
        EXPECT_EQ(topRow(list("lstUnits")), 17) << says.toStdString();
        expectAligned(20);
    }
    ASSERT_EQ(messages.size(), 1) << messages.front().text.toStdString();
    EXPECT_TRUE(messages.front().text.contains(u"Gone.sav"_s));
}

// The lists' menu counts into the chosen tally, names the steps that undo and redo would take,
// and finds, each with its key; the focused list shows it, the counting column is marked, a
// name cut off shows whole as a tooltip, and the ruleset window leaves the menu bar free.
TEST_F(Commands, ListMenuFocusMarksAndTooltipsShowWhatTheListsDo)
{
    auto *menu = find<QMenu>(main.get(), "listMenu");
    const auto open = [&](const char *name, int row) {
        QListView *view = list(name);
        const QPoint at =
            view->visualRect(view->model()->index(row, view->modelColumn())).center();
        QContextMenuEvent event(row < 0 ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(row < 0 ? static_cast<QWidget *>(view) : view->viewport(),
                                &event);
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
                           u"Show|"_s}));
    EXPECT_EQ(main->selectedRow(), 4);
    GuiTest::find<QAction>(main.get(), "actAddOne")->trigger();
    EXPECT_EQ(main->statusLine(), u"One Unit 4 counted into the collection (1 now)."_s);
    // From the keyboard, about the selected row; the count column's Enter takes one away.
    EXPECT_EQ(open("lstCollection", -1).mid(1, 2),
              QStringList({u"Take One from the collection|Return"_s,
                           u"Undo one Unit 4 counted into the collection|"_s +
                               keys(QKeySequence::Undo)}));
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
