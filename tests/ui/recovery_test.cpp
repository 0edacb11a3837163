// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "common/background.h"
#include "document/session_keeper.h"
#include "failing_calls.h"
#include "tally_files/tally_file.h"

#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <sys/stat.h>
#include <unistd.h>

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

// Work off the window's thread calls back on its receiver's thread while the receiver lives, and
// never once it is gone, as a keeper or a print job that goes while its work runs.
TEST(Background, TheCallBackComesOnTheReceiversThreadOnlyWhileItLives)
{
    for (const bool receiverGoes : {false, true}) {
        SCOPED_TRACE(receiverGoes);
        QSemaphore hold;
        auto receiver = std::make_unique<QObject>();
        QList<int> heard;
        QFuture<int> work = Background::runThen(
            Background::recoveryCopies(), receiver.get(), [&hold] { return hold.acquire(), 7; },
            [&heard](const QFuture<int> &ended) {
                EXPECT_EQ(QThread::currentThread(), qApp->thread());
                heard.append(ended.result());
            });
        if (receiverGoes)
            receiver.reset();
        hold.release();
        EXPECT_EQ(work.result(), 7);
        EXPECT_EQ(
            QTest::qWaitFor([&heard] { return !heard.isEmpty(); }, receiverGoes ? 100 : 10000),
            !receiverGoes);
        EXPECT_EQ(heard, receiverGoes ? QList<int>() : QList<int>{7});
    }
}

// The copy is there while a tally is unsaved and gone once both are saved; Exit keeps it, and
// the next start puts back every count, name and total as one step, or discards it.
TEST_F(Recovery, TheCopyFollowsTheSavedStateAndTheNextStartOffersItBack)
{
    const QString empty = everything();
    // With Qt's shared pool busy, as a long printout keeps it on a one-core machine, the copy is
    // written all the same.
    QThreadPool *shared = QThreadPool::globalInstance();
    const int threads = shared->maxThreadCount();
    shared->setMaxThreadCount(1);
    QSemaphore busy;
    QFuture<void> printing = QtConcurrent::run([&busy] { busy.acquire(); });
    countEvening();
    EXPECT_TRUE(QTest::qWaitFor([this] { return copies().size() == 1; }, 10000));
    busy.release();
    printing.waitForFinished();
    shared->setMaxThreadCount(threads);
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

// Counts of another catalogue go to their units (Grub by name and strength, its ID changed;
// Nell by ID, moved to the top; Hob gone, kept), not to the rows they had; two sessions in one
// folder keep a copy each.
TEST_F(Recovery, CopiesOfAnotherCatalogueGoToTheirUnitsAndOtherSessionsAreKept)
{
    countEvening();
    main->document().countFigure(WhichTally::Army, 1, Step::Add);
    main->document().countFigure(WhichTally::Army, 1, Step::Add);
    writeFile(u"rfarm.txt"_s, "3,Nell,Tough,C,Mire,30\r\n4,Grub,Weak,C,Mire,10\r\n");
    restart(true);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.back().text.startsWith(u"The catalogue has no unit for 1 unit counted in "
                                                "the army: 2 Hob (Standard): 2."_s));
    EXPECT_EQ(everything(), u"0 2 | 2 20 2.5 / 1 0 | 1 30 0 / Evening|Raid|1"_s);
    EXPECT_TRUE(main->statusLine().endsWith(u"the counts were put on their units."_s));
    trigger("mnuSaveArmy");
    writeFile(u"rfarm.txt"_s, Units);
    messages.clear();
    // Back with the catalogue that has Hob, on a reload and on a load of the saved army.
    main->LoadUnits();
    EXPECT_EQ(shown("Collection") + u" / "_s + shown("Army"),
              u"2 0 0 | 2 20 2.5 / 0 2 1 | 3 80 0"_s);
    main->LoadArmy(); // the record's rows are padded as the file holds them
    EXPECT_EQ(shown("Army"), u"0 2 1_ | 3 80 0"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.front().text.toStdString();
    const QString counted = everything();
    restart(true);
    EXPECT_EQ(everything(), counted);

    // A second window in the folder does not offer the copy of the one that runs.
    auto otherDocument = std::make_unique<TallyDocument>();
    auto other = std::make_unique<frmMain>(*otherDocument);
    messages.clear();
    // It stands off the first window and says that the folder is open twice.
    auto otherPicker = std::make_unique<frmWorldPick>(*other);
    otherPicker->Form_Load();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(other->pos() - main->pos(), QPoint(32, 32));
    EXPECT_TRUE(other->statusLine().endsWith(u"This folder is open in another Rostermere window "
                                             "too; each window saves what it counts."_s))
        << other->statusLine().toStdString();
    other->document().countFigure(WhichTally::Army, 1, Step::Add);
    other->keeper().flush();
    main->keeper().flush();
    EXPECT_EQ(copies().size(), 2);
    otherPicker.reset(), other.reset();
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

// A restore stays safe: the copy it came from goes only once this session's copy holds its
// counts (never when that write fails), and comes back while the restore is undone, so that
// the next start offers it again rather than an untouched empty army. Its totals are those
// of today's prices.
TEST_F(Recovery, ARestoredCopyGoesOnlyOnceItsCountsAreSafeAndComesBackWhenUndone)
{
    countEvening();
    const QString counted = everything();
    main->keeper().flush();
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",12.5\r\n");
    const auto restartFailing = [this](bool failing) {
        endSession();
        const QByteArray folder = QFile::encodeName(SessionKeeper::copiesFolder());
        FailingCalls disk{failing ? Fault{"fdatasync", EIO, folder.constData()} : Fault{}};
        restart(true);
    };
    restartFailing(true);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.back().text.contains(u"could not be kept in a recovery copy"_s));
    EXPECT_EQ(copies().size(), 1); // the one restored from, still there
    messages.clear();
    restartFailing(false);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(everything(), QString(counted).replace(u" 2.5 "_s, u" 25 "_s));
    main->keeper().flush();
    EXPECT_EQ(copies(), QStringList{QFileInfo(main->keeper().path()).fileName()});

    trigger("actUndo");
    main->keeper().flush();
    const QStringList left = copies();
    ASSERT_EQ(left.size(), 1);
    EXPECT_NE(left.front(), QFileInfo(main->keeper().path()).fileName());
    trigger("actRedo");
    main->keeper().flush();
    EXPECT_EQ(copies(), QStringList{QFileInfo(main->keeper().path()).fileName()});
    trigger("actUndo");
    messages.clear();
    restart(true);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.startsWith(
        u"The collection \"Evening\" (2 figures) and the army \"Raid\" (1 figure) were not saved"_s))
        << messages.front().text.toStdString();
}

// The copies folder is the user's alone and one for each folder's bytes, whatever they are.
// The newest copy by the time it records is offered, saying how many more wait; copies of
// other catalogues are asked about once; a copy that can't be locked is said, not offered.
TEST_F(Recovery, CopiesArePrivateOnePerFolderAndOfferedNewestFirst)
{
    countEvening();
    main->keeper().flush();
    const QFileInfo folder(SessionKeeper::copiesFolder());
    const auto mode = [](const QString &path) {
        struct stat status
        {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777
                                                                         : 1u;
    };
    EXPECT_EQ(mode(folder.filePath()), 0700u);
    EXPECT_EQ(mode(folder.path()), 0700u);
    EXPECT_EQ(mode(main->keeper().path()), 0600u);
    QStringList keys;
    for (const char *name : {"\xe4", "\xe5"}) {
        const QByteArray path = QFile::encodeName(m_dir.path()) + '/' + name;
        ASSERT_TRUE(::mkdir(path.constData(), 0700) == 0 && ::chdir(path.constData()) == 0);
        keys.append(SessionKeeper::copiesFolder());
        EXPECT_EQ(SessionKeeper::workingFolder(), path);
        ASSERT_TRUE(::chdir("..") == 0 && ::rmdir(path.constData()) == 0);
    }
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    EXPECT_NE(keys[0], keys[1]);
    EXPECT_FALSE(keys.contains(folder.filePath()));

    // Crafted copies: of this catalogue from 10:00 and 11:00 (files dated the other way), of
    // another catalogue twice (knowing no units, as copies of the first format), and one whose
    // lock can't be made.
    main->document().markSaved(WhichTally::Collection),
        main->document().markSaved(WhichTally::Army);
    const auto write = [&](const QString &name, QByteArray id, int hour) {
        RecoveryCopy kept{SessionKeeper::workingFolder(),
                          id,
                          QDateTime(QDate(2026, 12, 1), QTime(hour, 0)),
                          false,
                          {}};
        kept.tallies[0] = {QString::number(hour), {texts({"1", "0", "0"}), {}}, true};
        kept.tallies[1].tally.counts = texts({"0", "0", "0"});
        QFile file(folder.filePath() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeRecovery(kept));
        file.setFileTime(QDateTime(QDate(2026, 12, 1), QTime(23 - hour, 0)),
                         QFileDevice::FileModificationTime);
    };
    const QByteArray id = main->keeper().catalogueId();
    write(u"a.copy"_s, id, 10), write(u"b.copy"_s, id, 11);
    write(u"c.copy"_s, "other", 9), write(u"d.copy"_s, "other", 8);
    write(QString(250, u'x') + u".copy"_s, id, 12);
    messages.clear();
    Messages::setAnswer(false);
    main->offerLeftSessions();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(
        messages[0].text.contains(u"waiting in a recovery copy, but it cannot be opened"_s));
    EXPECT_TRUE(messages[1].text.startsWith(u"2 sessions of Rostermere ended with counts not saved "
                                            "that belong to another catalogue"_s));
    EXPECT_TRUE(messages[2].text.startsWith(u"The collection \"11\" (1 figure) was not saved"_s));
    EXPECT_TRUE(messages[2].text.endsWith(
        u"Restore it? 1 more unsaved session is waiting; it is offered at the next start."_s));
    // Discarded: the other catalogue's two and the one offered; the rest wait.
    EXPECT_EQ(copies().size(), 3);
    EXPECT_TRUE(copies().contains(u"a.copy"_s));

    // No lock, no copy: another window would take it for one whose session has ended.
    restart(false);
    ASSERT_TRUE(QDir().mkpath(main->keeper().path() + u".lock"_s));
    messages.clear();
    main->document().countFigure(WhichTally::Army, 1, Step::Add);
    EXPECT_FALSE(main->keeper().flush());
    EXPECT_FALSE(QFile::exists(main->keeper().path()));
    QTest::qWait(0);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"could not be locked"_s));
    EXPECT_TRUE(
        find<QLabel>(main.get(), "lblArmySaved")->toolTip().contains(u"could not be kept"_s));
}
