// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "tally_files/tally_file.h"

#include <QPushButton>
#include <QSignalSpy>

namespace {

class TallyFiles : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                                  "3,Nell,Tough,C,Mire,30\r\n");
        // The army reads prices strictly, the collection forgivingly: Hob's is 0.5 or nothing.
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",2\r\n\"Hob (S)\",0.5 each\r\n");
        writeFile(u"Grand.arm"_s, {});
        writeFile(u"army1.sav"_s, TallyFile::encode(texts({"0", "2", "11"})));
        start(true);
    }

    // Chooses `menuItem` and, once its modal picker is up, checks its captions and list and
    // double-clicks `name` in it.
    void pick(const char *menuItem, const QString &caption, const QStringList &listed,
              const QString &name)
    {
        const auto answer = [&](QDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), caption);
            EXPECT_EQ(dialog->size(), QSize(237, 213));
            EXPECT_EQ(dialog->findChild<QPushButton *>(u"cmdOoops"_s)->text(),
                      u"Oops, don't load"_s);
            auto *files = dialog->findChild<QListWidget *>(u"filLoadChar"_s);
            EXPECT_EQ(items(files), listed);
            doubleClickItem(files, name);
            EXPECT_FALSE(dialog->isVisible());
        };
        EXPECT_TRUE(answerModal(menuItem, answer)) << menuItem << " showed no modal window";
    }

    // Both tallies as they are shown, and the bytes a save of each would write.
    QString state() const
    {
        return shown("Collection") + u" / "_s + shown("Army") + u" / "_s +
               QString::fromLatin1(TallyFile::encode(globals->collection.counts).toHex()) +
               QString::fromLatin1(TallyFile::encode(globals->army.counts).toHex());
    }

    // Keys as the user presses them in a counting list, or in `to`.
    void press(const QKeySequence &keys, QWidget *to = nullptr)
    {
        (to = to ? to : list("lstUnits"))->setFocus();
        QTest::keySequence(to, keys);
    }
};

const QString ArmyPicker = u"Pick an Army  to load please"_s;
const QString CollectionPicker = u"Pick a collection to load please"_s;

} // namespace

// Saving, listing, loading back and "Oops" are driven at random by the session test, and the
// totals of each kind of load are in the step table below.
TEST_F(TallyFiles, ALoadRepaintsItsCountColumnOnceAndReadsPricesAsItsTallyDoes)
{
    writeFile(u".sav"_s, TallyFile::encode({u"3"_s}));
    main->selectRow(0);
    // The lists repaint what the model says changed: the whole count column.
    QSignalSpy changed(main->model(), &QAbstractItemModel::dataChanged);
    pick("mnuLoadCollection", CollectionPicker, texts({".sav", "army1.sav"}), u"army1.sav"_s);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.front().at(0).toModelIndex(), main->model()->index(0, 6));
    EXPECT_EQ(changed.front().at(1).toModelIndex(), main->model()->index(2, 6));
    pick("mnuLoadArmy", ArmyPicker, texts({".sav", "army1.sav"}), u"army1.sav"_s);

    // A file of one row loads that row; the selection stays where the user had it.
    main->selectRow(2);
    pick("mnuLoadArmy", ArmyPicker, texts({".sav", "army1.sav"}), u".sav"_s);
    EXPECT_EQ(shown("Army"), u"3_ 0 0 | 3 30 6"_s);
    expectAligned(2);
    EXPECT_TRUE(messages.isEmpty());
}

// Adding armies at random, the saved one and not the one on screen, is in the session test.
TEST_F(TallyFiles, AddArmyAddsRowsTheFileHoldsAndKeepsTheSelection)
{
    // An army file of one row adds that row; one of no rows adds nothing and loads as no
    // counts; the selection stays.
    writeFile(u"one.sav"_s, TallyFile::encode(texts({"2"})));
    writeFile(u"no\\ne.sav"_s, QByteArray(2, '\0')); // made elsewhere: a backslash reads fine
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"one"_s);
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(shown("Collection"), u"2_ 0 0 | 2 20 4"_s);
    expectAligned(-1);
    main->selectRow(1);
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"no\\ne"_s);
    trigger("mnuAddArmyCollection");
    main->LoadArmy();
    EXPECT_EQ(shown("Collection"), u"2_ 0 0 | 2 20 4"_s);
    EXPECT_EQ(shown("Army"), u"0 0 0 | 0 0 0"_s);
    expectAligned(1);
    EXPECT_TRUE(messages.isEmpty());
}

// Each kind of step, undone, redone, undone again and redone: the rows, padding included, the
// totals and the bytes a save writes are those before or after the step, and a count shows its
// unit again while a load or an add leaves the selection where it is.
TEST_F(TallyFiles, EveryStepGoesBackAndForthExactly)
{
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    const auto option = [this](const char *name) {
        QTest::mouseClick(find<QRadioButton>(main.get(), name), Qt::LeftButton);
    };
    const auto name = [this](const char *box, const QString &text) {
        find<QLineEdit>(main.get(), box)->setText(text);
    };
    // clang-format off
    struct Case { const char *what; std::function<void()> step; int unit; /* -1: a whole tally */
                  const char *after; };
    const Case cases[] = {
        {"load army", [&] { name("txtArmyName", u"army1"_s); main->LoadArmy(); }, -1,
         "0 0 0 | 0 0 0 / 0_ 2_ 11_ | 13 380 0"},
        {"count out of the army", [&] { option("optArmy"); doubleClickRow(list("lstArmy"), 1); }, 1,
         "0 0 0 | 0 0 0 / 0_ 1 11_ | 12 355 -0.5"},
        {"count into the collection", [&] { option("optCollection"); doubleClickRow(list("lstUnitId"), 0); }, 0,
         "1 0 0 | 1 10 2 / 0_ 1 11_ | 12 355 -0.5"},
        {"add the saved army", [&] { trigger("mnuAddArmyCollection"); }, -1,
         "1_ 2_ 11_ | 14 390 2 / 0_ 1 11_ | 12 355 -0.5"},
        {"load the collection", [&] { name("txtCollectionName", u"army1"_s); main->LoadCollection(); }, -1,
         "0_ 2_ 11_ | 13 380 1 / 0_ 1 11_ | 12 355 -0.5"},
        {"count by Enter", [&] { list("lstCollection")->setFocus(); main->selectRow(2);
                                 QTest::keyClick(list("lstCollection"), Qt::Key_Return); }, 2,
         "0_ 2_ 10 | 12 350 1 / 0_ 1 11_ | 12 355 -0.5"}};
    // clang-format on
    QStringList states = {state()};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.step();
        ASSERT_TRUE(messages.isEmpty()) << messages.front().text.toStdString();
        const QString before = states.back(), after = state();
        EXPECT_TRUE(after.startsWith(QLatin1String(c.after))) << after.toStdString();
        for (int round = 0; round < 2; ++round) {
            main->selectRow(1 - round); // elsewhere, or the selection a count had
            press(QKeySequence::Undo);
            EXPECT_EQ(state(), before);
            expectAligned(c.unit >= 0 ? c.unit : 1 - round);
            main->selectRow(round);
            press(round == 0 ? QKeySequence(QKeySequence::Redo) : QKeySequence(u"Ctrl+Y"_s));
            EXPECT_EQ(state(), after);
            expectAligned(c.unit >= 0 ? c.unit : round);
        }
        states.append(after);
    }

    // A save after an undo writes what a save before the step wrote.
    name("txtArmyName", u"check"_s);
    trigger("mnuSaveArmy");
    const QByteArray savedBefore = fileBytes(u"check.sav"_s);
    trigger("mnuAddArmyCollection");
    press(QKeySequence::Undo);
    trigger("mnuSaveArmy");
    EXPECT_EQ(fileBytes(u"check.sav"_s), savedBefore);
    EXPECT_EQ(state(), states.back()); // saving changes nothing and makes no step

    // Back to the start, and no further: the keys then do nothing and say nothing.
    for (int step = 0; step < int(std::size(cases)) + 2; ++step)
        press(QKeySequence::Undo);
    EXPECT_EQ(state(), states.front());
    EXPECT_TRUE(messages.isEmpty());

    // A new step drops what could have been redone.
    press(QKeySequence::Redo);
    EXPECT_EQ(state(), states[1]);
    option("optCollection");
    doubleClickRow(list("lstUnits"), 2);
    const QString counted = state();
    press(QKeySequence::Redo);
    EXPECT_EQ(state(), counted);

    // In a name box the keys undo its typing, and leave the counts alone.
    auto *box = find<QLineEdit>(main.get(), "txtCollectionName");
    QTest::keyClicks(box, u"Spring"_s);
    press(QKeySequence::Undo, box);
    EXPECT_EQ(box->text(), u"army1"_s);
    press(QKeySequence::Redo, box);
    EXPECT_EQ(box->text(), u"army1Spring"_s);
    EXPECT_EQ(state(), counted);

    // A reload starts the history afresh; its counts stay (the totals are read anew).
    picker->show();
    doubleClickItem(find<QListWidget>(picker.get(), "filWorld"), u"Grand.arm"_s);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    const QString reloaded = state();
    EXPECT_EQ(reloaded.section(u" / "_s, 2), counted.section(u" / "_s, 2));
    press(QKeySequence::Undo);
    EXPECT_EQ(state(), reloaded);
    EXPECT_TRUE(messages.isEmpty());
}

// The question before replacing a file with counts this catalogue has no rows for holds only
// for the file it was asked about: one saved meanwhile by another program is checked again.
TEST_F(TallyFiles, AFileSavedWhileTheQuestionIsOpenIsCheckedAgain)
{
    const QByteArray asked = TallyFile::encode(texts({"0", "0", "0", "1"}));
    const QByteArray meanwhile = TallyFile::encode(texts({"0", "0", "0", "0", "7"}));
    writeFile(u"army1.sav"_s, asked);
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"army1"_s);
    Messages::setHandler([&](QWidget *, const Messages::Message &message) {
        messages.append(message);
        if (messages.size() == 1)
            writeFile(u"army1.sav"_s, meanwhile);
    });
    Messages::setAnswer(true);
    trigger("mnuSaveArmy");
    Messages::setAnswer(false);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].text.contains(u"1 row(s) with 1 figure(s)"_s));
    EXPECT_TRUE(messages[1].text.contains(u"1 row(s) with 7 figure(s)"_s));
    EXPECT_EQ(fileBytes(u"army1.sav"_s), TallyFile::encode(globals->army.counts));
}

// Tried as a new user would: a unit put at the top of the catalogue moves no saved count, and
// the status line says how they were matched; a name typed into the other tally's box asks
// before its file is replaced, and an add of a collection's file asks too.
TEST_F(TallyFiles, SavedCountsStayWithTheirUnitsAndTheOtherTallysFileIsAskedAbout)
{
    find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Mine"_s);
    for (const int row : {0, 2, 2})
        main->document().countFigure(WhichTally::Collection, row, Step::Add);
    trigger("mnuSaveCollection");
    EXPECT_TRUE(
        fileBytes(u"Mine.sav.units"_s).startsWith("Rostermere unit record 2\ntally\tcollection\n"));
    writeFile(u"rfarm.txt"_s, "9,Newt,Weak,C,Mire,1\r\n1,Grub,Weak,C,Mire,10\r\n"
                              "2,Hob,Standard,C,Mire,25\r\n3,Nell,Tough,C,Mire,30\r\n");
    start(true);
    find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Mine"_s);
    main->LoadCollection();
    EXPECT_EQ(shown("Collection"), u"0 1_ 0 2_ | 3 70 2"_s);
    EXPECT_EQ(main->statusLine(), u"Loaded \"Mine.sav\" into the collection: 3 figures. The "
                                  "catalogue has changed since it was saved; 2 units matched by "
                                  "their ID."_s);
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Mine"_s);
    main->document().countFigure(WhichTally::Army, 0, Step::Add);
    Messages::setAnswer(false);
    trigger("mnuSaveArmy");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front().text, u"\"Mine.sav\" holds the collection \"Mine\" (3 figures). "
                                     "Replace it with the army (1 figure)?"_s);
    trigger("mnuAddArmyCollection");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.back().text, u"\"Mine.sav\" was saved as a collection (3 figures). Add it "
                                    "to the collection as an army?"_s);
    EXPECT_EQ(shown("Collection"), u"0 1_ 0 2_ | 3 70 2"_s);
    // A file without a record, of another length, is matched by position and says so.
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"army1"_s);
    main->LoadArmy(); // three rows for four units
    EXPECT_TRUE(main->statusLine().endsWith(u"It has no record of its units, so its 3 rows were "
                                            "matched by position to the catalogue's 4 units."_s));
    // So is a file written again beside the record of what it held before.
    const QByteArray mine = fileBytes(u"Mine.sav"_s);
    writeFile(u"Mine.sav"_s, TallyFile::encode({u"2"_s, u"0"_s, u"0"_s}));
    main->LoadCollection();
    EXPECT_EQ(shown("Collection"), u"2_ 0_ 0_ 0 | 2 2 0"_s);
    writeFile(u"Mine.sav"_s, mine);
    // A counted unit the catalogue no longer has: its count is kept, and named in a message and
    // in the status bar's tooltip.
    writeFile(u"rfarm.txt"_s, "9,Newt,Weak,C,Mire,1\r\n1,Grub,Weak,C,Mire,10\r\n");
    start(true);
    messages.clear();
    find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Mine"_s);
    main->LoadCollection();
    EXPECT_EQ(shown("Collection"), u"0 1_ | 1 10 2"_s);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u": 3 Nell (Tough): 2. "_s));
    EXPECT_TRUE(find<QLabel>(main.get(), "lblStatus")
                    ->toolTip()
                    .endsWith(u"\n\nThe collection keeps the counts of units the catalogue "
                              "lacks, in no total: 3 Nell (Tough): 2."_s));
}
