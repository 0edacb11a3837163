// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/session_keeper.h"
#include "tally_files/tally_file.h"
#include "ui/gui_fixture.h"
#include "ui/termination.h"

#include <QProcess>

#include <csignal>
#include <cstdio>

// The child: counts in the parent's folder, says "ready" once the copy holds every count and
// the army has been renamed after that, and ends as ROSTERMERE_END says: by Exit, by the close
// box, or by waiting for a signal. Only the end itself brings the new name to the copy, unless
// the second the copy may lag behind has passed.
TEST_F(GuiTest, DISABLED_CountsUntilEnded)
{
    ASSERT_TRUE(QDir::setCurrent(qEnvironmentVariable("ROSTERMERE_FOLDER")));
    qputenv("XDG_STATE_HOME", qgetenv("ROSTERMERE_STATE"));
    Termination termination([this] { main->keeper().flush(); });
    keepCopies = true;
    start(true);
    find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Evening"_s);
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Scouts"_s);
    main->document().countFigure(WhichTally::Collection, 0, Step::Add);
    main->document().countFigure(WhichTally::Collection, 0, Step::Add);
    main->keeper().flush();
    const QString copy = main->keeper().path();
    const QByteArray first = fileBytes(copy);
    // The last count reaches the copy by itself, a moment later.
    main->document().countFigure(WhichTally::Army, 2, Step::Add);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileBytes(copy) != first; }, 60000));
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Raid"_s);
    const auto ready = [] { std::puts("ready"), std::fflush(stdout); };
    const QString end = qEnvironmentVariable("ROSTERMERE_END");
    if (!end.contains(u"message"))
        ready();
    // A message box shown before the event loop runs, as at start-up: the signal must not let
    // the program go on past it.
    if (end == u"start message") {
        Messages::setHandler({});
        QTimer::singleShot(0, ready);
        Messages::warn(main.get(), u"waiting"_s);
        std::puts("went on"), std::fflush(stdout);
    }
    QGuiApplication::setQuitOnLastWindowClosed(true);
    const int exited = execWith([&] {
        if (end == u"exit")
            trigger("mnuExit");
        else if (end == u"close")
            main->close();
        else if (end == u"message") {
            // A real message box, waiting in a loop of its own when the signal comes.
            Messages::setHandler({});
            QTimer::singleShot(0, ready);
            Messages::warn(main.get(), u"waiting"_s);
        }
    });
    EXPECT_EQ(exited, 0);
}

// Whatever ends the program, the next start in the folder offers every count, name and total
// back, and a save then writes what a save before the end would have written.
TEST_F(GuiTest, EachWayOfEndingLeavesWhatWasCountedForTheNextStart)
{
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                              "3,Nell,Tough,C,Mire,30\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",1.25\r\n");
    for (const char *end :
         {"exit", "close", "SIGTERM", "SIGHUP", "message", "start message", "SIGKILL"}) {
        SCOPED_TRACE(end);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"ROSTERMERE_FOLDER"_s, m_dir.path());
        env.insert(u"ROSTERMERE_STATE"_s, m_state.path());
        env.insert(u"ROSTERMERE_END"_s, QLatin1String(end));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {u"--gtest_also_run_disabled_tests"_s,
                     u"--gtest_filter=GuiTest.DISABLED_CountsUntilEnded"_s});
        while (!child.readAllStandardOutput().contains("ready"))
            ASSERT_TRUE(child.waitForReadyRead(60000)) << "the counting child did not start";
        if (qstrcmp(end, "SIGKILL") == 0)
            child.kill();
        else if (end[0] == 'S' || QByteArray(end).contains("message"))
            ::kill(pid_t(child.processId()), qstrcmp(end, "SIGHUP") == 0 ? SIGHUP : SIGTERM);
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_FALSE(child.readAllStandardOutput().contains("went on"));

        keepCopies = true;
        Messages::setAnswer(true);
        start(true);
        Messages::setAnswer(false);
        ASSERT_EQ(messages.size(), 1);
        const QString army = qstrcmp(end, "SIGKILL") == 0 ? text("txtArmyName") : u"Raid"_s;
        EXPECT_TRUE(messages.takeFirst().text.startsWith(
            u"The collection \"Evening\" (2 figures) and the army \"%1\" (1 figure) were "
            "not saved when Rostermere last ended"_s.arg(army)));
        EXPECT_EQ(text("txtArmyName"), army);
        EXPECT_EQ(shown("Collection") + u' ' + shown("Army"), u"2 0 0 | 2 20 2.5 0 0 1 | 1 30 0"_s);
        trigger("mnuSaveCollection");
        EXPECT_EQ(fileBytes(u"Evening.sav"_s), TallyFile::encode(texts({"2", "0", "0"})));
        trigger("mnuSaveArmy");
        main->keeper().flush();
        EXPECT_EQ(QDir(SessionKeeper::copiesFolder()).entryList({u"*.copy"_s}), QStringList());
    }
}
