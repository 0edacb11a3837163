// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "document/session_keeper.h"
#include "tally_files/tally_file.h"

namespace {

const QByteArray Units = "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                         "3,Nell,Tough,C,Mire,30\r\n";

class Recovery : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, Units);
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",1.25\r\n");
        start(true);
    }

    // An evening's counting: two Grub into the collection "Evening", a Nell into the army "Raid".
    void countEvening(frmMain *window = nullptr)
    {
        window = window ? window : main.get();
        find<QLineEdit>(window, "txtCollectionName")->setText(u"Evening"_s);
        find<QLineEdit>(window, "txtArmyName")->setText(u"Raid"_s);
        for (const auto &[which, row] : {std::pair{WhichTally::Collection, 0},
                                         {WhichTally::Collection, 0},
                                         {WhichTally::Army, 2}})
            window->document().countFigure(which, row, Step::Add);
        find<QRadioButton>(window, "optArmy")->setChecked(true);
    }

    // Both tallies, their names and the option, as the window shows them.
    QString everything() const
    {
        return shown("Collection") + u" / "_s + shown("Army") + u" / "_s +
               text("txtCollectionName") + u'|' + text("txtArmyName") + u'|' +
               QString::number(find<QRadioButton>(main.get(), "optArmy")->isChecked());
    }

    QStringList copies() const
    {
        return QDir(SessionKeeper::copiesFolder()).entryList({u"*.copy"_s}, QDir::Files);
    }

    // Ends the session as the window going does, and starts again in the folder, answering
    // what it offers with `restore`.
    void restart(bool restore)
    {
        keepCopies = true;
        Messages::setAnswer(restore);
        start(true);
        Messages::setAnswer(false);
        keepCopies = false;
    }
};

} // namespace

// The copy is there while a tally is unsaved and gone once both are saved; Exit keeps it, and
// the next start puts back every count, name and total as one step, or discards it.
TEST_F(Recovery, TheCopyFollowsTheSavedStateAndTheNextStartOffersItBack)
{
    const QString empty = everything();
    countEvening();
    main->keeper().flush();
    EXPECT_EQ(copies().size(), 1);
    trigger("mnuSaveCollection");
    main->keeper().flush();
    EXPECT_EQ(copies().size(), 1);
    trigger("mnuSaveArmy");
    main->keeper().flush();
    EXPECT_EQ(copies(), QStringList());
    main->document().countFigure(WhichTally::Army, 1, Step::Add);
    main->document().undoStack()->undo();
    main->keeper().flush();
    EXPECT_EQ(copies(), QStringList());

    // Exit ends at once; what was counted after the last save comes back.
    main->document().countFigure(WhichTally::Collection, 1, Step::Add);
    const QString counted = everything();
    const QByteArray saved = TallyFile::encode(globals->collection.counts);
    EXPECT_EQ(execWith([this] { trigger("mnuExit"); }), 0);
    restart(true);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.startsWith(
        u"The collection \"Evening\" (3 figures) was not saved when Rostermere last ended (today "_s))
        << messages.front().text.toStdString();
    EXPECT_TRUE(messages.front().text.endsWith(u"). Restore it?"_s));
    EXPECT_EQ(everything(), counted);
    EXPECT_EQ(main->statusLine(), u"Restored the collection \"Evening\" (3 figures)."_s);
    trigger("mnuSaveCollection");
    EXPECT_EQ(fileBytes(u"Evening.sav"_s), saved);
    main->document().undoStack()->undo();
    EXPECT_EQ(everything(), empty.chopped(1) + u'1');
    main->document().undoStack()->redo();

    // Discard forgets them.
    countEvening();
    restart(false);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(everything(), empty);
    EXPECT_EQ(copies(), QStringList());
}

// Counts of another catalogue are kept for it, not put on rows they don't belong to; two
// sessions in one folder keep a copy each.
TEST_F(Recovery, CopiesOfAnotherCatalogueAndOfOtherSessionsAreKept)
{
    const QString empty = everything();
    countEvening();
    const QString counted = everything();
    writeFile(u"rfarm.txt"_s, QByteArray(Units).replace("1,Grub", "4,Grub"));
    restart(true);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"belong to another catalogue"_s));
    EXPECT_EQ(everything(), empty);
    writeFile(u"rfarm.txt"_s, Units);
    restart(true);
    EXPECT_EQ(everything(), counted);

    // A second window in the folder does not offer the copy of the one that runs.
    auto otherGlobals = std::make_unique<modGlobals>();
    auto other = std::make_unique<frmMain>(*otherGlobals);
    EXPECT_EQ(other->LoadUnits(), QString());
    messages.clear();
    other->offerLeftSessions();
    EXPECT_TRUE(messages.isEmpty());
    other->document().countFigure(WhichTally::Army, 1, Step::Add);
    other->keeper().flush();
    main->keeper().flush();
    EXPECT_EQ(copies().size(), 2);
    other.reset();
    restart(true);
    EXPECT_EQ(copies().size(), 2); // the other one waits for its start
}

// A load brings its name with it and undoing it takes the name back; a refused load leaves
// the name box as it was.
TEST_F(Recovery, NameBoxesFollowLoadsAndTheirUndoing)
{
    writeFile(u"Raid.sav"_s, TallyFile::encode(texts({"0", "2", "0"})));
    writeFile(u"Broken.sav"_s, "x");
    QLineEdit *name = find<QLineEdit>(main.get(), "txtCollectionName");
    name->setText(u"Evening"_s);
    for (const char *file : {"Broken.sav", "Raid.sav"})
        answerModal("mnuLoadCollection", [file](QDialog *dialog) {
            doubleClickItem(dialog->findChild<QListWidget *>(u"filLoadChar"_s),
                            QLatin1String(file));
        });
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(name->text(), u"Raid"_s);
    main->document().undoStack()->undo();
    EXPECT_EQ(name->text(), u"Evening"_s);
    main->document().undoStack()->redo();
    EXPECT_EQ(name->text(), u"Raid"_s);
    EXPECT_TRUE(main->document().isSaved(WhichTally::Collection));
}
