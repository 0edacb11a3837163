// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_printer.h"
#include "ui/gui_fixture.h"
#include "ui/print_job.h"
#include "ui/report_commands.h"
#include "ui/termination.h"

#include <QElapsedTimer>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>

#include <csignal>
#include <unistd.h>

namespace {

const QDir capture(u"/var/tmp/rostermere-printer"_s);

QStringList capturedJobs()
{
    return capture.entryList({u"job-*.pdf"_s});
}

} // namespace

class PrinterTest : public GuiTest
{
protected:
    // Three units to check the columns, and `fillers` more, one of each counted, to need more
    // pages; the Spring collection counts 3 of the first and 12 of the third.
    void startWithCollection(int fillers)
    {
        QByteArray catalogue = "101,Grub,Weak,C,Mire,10\r\n102,Hob,Standard,C,Mire,25\r\n"
                               "103,Nell the Ever-Patient Hedge Witch,Unique,R,Mire,30\r\n";
        for (int unit = 200; unit < 200 + fillers; ++unit)
            catalogue +=
                QByteArray::number(unit) + ",Filler " + QByteArray::number(unit) + ",W,C,F,1\n";
        writeFile(u"rfarm.txt"_s, catalogue);
        writeFile(u"current-runeforge.txt"_s, {});
        start(true);
        main->document().replaceTally(
            WhichTally::Collection,
            Tally{texts({"3", "0", "12"}) + QStringList(fillers, u"1"_s), {}}, QString());
        find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Spring"_s);
        jobsBefore = capturedJobs();
    }

    PrintJob *job() const { return main->findChild<PrintJob *>(); }

    // The progress dialog, once it shows and the job has reached the line the test holds it at;
    // null when that does not come.
    QProgressDialog *shownProgress(const QSemaphore &reached) const
    {
        QProgressDialog *progress = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] {
                progress = main->findChild<QProgressDialog *>(u"dlgPrinting"_s);
                return reached.available() > 0 && progress && progress->isVisible();
            },
            60000);
        return shown ? progress : nullptr;
    }

    void waitForPrintout() const
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !job()->isRunning(); }, 120000));
    }

    // The jobs the print system has passed on since the test began, once no more arrive.
    QStringList newJobs() const
    {
        QStringList jobs;
        QElapsedTimer waited;
        waited.start();
        for (int quiet = 0; quiet < 2 && waited.elapsed() < 60000; QTest::qWait(1500)) {
            const qsizetype before = jobs.size();
            jobs = capturedJobs();
            jobs.removeIf([this](const QString &name) { return jobsBefore.contains(name); });
            quiet = jobs.size() == before && (!jobs.isEmpty() || waited.elapsed() > 3000)
                        ? quiet + 1
                        : 0;
        }
        return jobs;
    }

    // The lines of the PDF at `path`, checked as the Spring collection of 120 fillers prints:
    // over two pages or more, its headings, its units in order.
    static QStringList expectSpringPages(const QString &path)
    {
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
        EXPECT_TRUE(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0);
        const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
        EXPECT_GE(printed.count(u'\f'), 2); // a form feed ends each page
        QStringList lines = QString(printed).remove(u'\f').split(u'\n');
        lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
        QStringList starts;
        for (const QString &line : lines)
            starts.append(line.simplified().section(u' ', 0, 1));
        EXPECT_EQ(starts.mid(0, 8),
                  (QStringList{QString(66, u'='), u"Spring Collection"_s, QString(66, u'='),
                               u"Unit Unit"_s, u"ID"_s, u"101 Grub"_s, u"103 Nell"_s, u"12"_s}));
        for (int filler = 0; filler < 120 && 8 + filler < starts.size(); ++filler)
            EXPECT_EQ(starts[8 + filler], u"%1 Filler"_s.arg(200 + filler));
        return lines;
    }

    QStringList jobsBefore;
};

TEST_F(PrinterTest, CollectionGoesToTheDefaultPrinterAsOneJobAsItWasWhenChosen)
{
    REQUIRE_TEST_PRINTER("RostermereTest")
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), u"RostermereTest"_s);
    startWithCollection(120);
    trigger("mnuPrintCollectionToPrinter");
    // While it prints, the window counts, and a second printout is refused.
    ASSERT_TRUE(job()->isRunning());
    main->document().countFigure(WhichTally::Collection, 1, Step::Add);
    main->document().countFigure(WhichTally::Collection, 2, Step::Remove);
    trigger("mnuPrintCollectionToPrinter");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"still being printed"_s));
    waitForPrintout();
    ASSERT_EQ(messages.size(), 1) << messages.back().text.toStdString();
    EXPECT_EQ(main->selectedRow(), 2); // the unit counted last, as the printout leaves it
    EXPECT_EQ(main->statusLine(),
              u"Sent the collection to the printer \"RostermereTest\": 122 units."_s);

    const QStringList jobs = newJobs();
    ASSERT_EQ(jobs.size(), 1) << jobs.join(u' ').toStdString();
    const QStringList lines = expectSpringPages(capture.filePath(jobs.front()));
    ASSERT_EQ(lines.size(), 8 + 120);

    // Labels start at one column and quantities at another on every line; a label too long
    // for its column pushes the quantity to the next line. The heading's stops fall between.
    const qsizetype label = lines[5].indexOf(u"Grub (Weak)"_s);
    const qsizetype quantity = lines[5].lastIndexOf(u'3');
    ASSERT_GT(label, 0);
    EXPECT_EQ(lines[6].indexOf(u"Nell the Ever-Patient Hedge Witch (Unique)"_s), label);
    EXPECT_EQ(lines[7].indexOf(u"12"_s), quantity);
    EXPECT_LT(label, lines[3].indexOf(u"Unit Name"_s));
    EXPECT_LT(lines[3].indexOf(u"Unit Name"_s), lines[3].indexOf(u"Quantity"_s));
    EXPECT_LT(lines[3].indexOf(u"Quantity"_s), quantity);
}

TEST_F(PrinterTest, LongPrintoutShowsItsProgressAndCancelSendsNothing)
{
    REQUIRE_TEST_PRINTER("RostermereTest")
    startWithCollection(300);
    const int selected = main->selectedRow();
    // The job waits at its 100th line until the test has cancelled it, however fast it prints.
    QSemaphore reached, cancelled;
    job()->setLineWatch([&](int done) {
        if (done == 100)
            reached.release(), cancelled.acquire();
    });
    trigger("mnuPrintCollectionToPrinter");
    const QPointer<QProgressDialog> progress = shownProgress(reached);
    ASSERT_TRUE(progress);
    EXPECT_FALSE(progress->isModal());
    progress->findChild<QPushButton *>()->click();
    cancelled.release();
    waitForPrintout();
    EXPECT_FALSE(progress);
    EXPECT_TRUE(messages.isEmpty()) << messages.front().text.toStdString();
    EXPECT_EQ(main->selectedRow(), selected);
    EXPECT_EQ(newJobs(), QStringList());
}

// Cancel and the sending of the finished job are decided once. Chosen while the job is about to
// be sent, Cancel wins and nothing is printed; once the job is on its way the dialog says so and
// disables Cancel, and a Cancel that came before the dialog heard of it is refused and said.
TEST_F(PrinterTest, CancelAgainstTheSendingOfTheJobIsDecidedOnceAndSaid)
{
    REQUIRE_TEST_PRINTER("RostermereTest")
    for (const int holdAt : {PrintJob::AboutToSend, PrintJob::Sending}) {
        SCOPED_TRACE(holdAt);
        startWithCollection(300);
        messages.clear();
        // Held at its 100th line until the dialog shows, then where Cancel meets the sending.
        QSemaphore reached, go;
        job()->setLineWatch([&](int done) {
            if (done == 100 || done == holdAt)
                reached.release(), go.acquire();
        });
        trigger("mnuPrintCollectionToPrinter");
        const QPointer<QProgressDialog> progress = shownProgress(reached);
        ASSERT_TRUE(progress);
        reached.acquire();
        go.release();
        ASSERT_TRUE(QTest::qWaitFor([&] { return reached.available() > 0; }, 60000));
        auto *cancel = progress->findChild<QPushButton *>();
        if (holdAt == PrintJob::AboutToSend) {
            cancel->click();
        } else {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !cancel->isEnabled(); }, 10000));
            EXPECT_EQ(progress->labelText(), u"Sending the collection to the printer..."_s);
            Q_EMIT progress->canceled();
        }
        go.release();
        waitForPrintout();
        if (holdAt == PrintJob::AboutToSend) {
            EXPECT_TRUE(messages.isEmpty());
            EXPECT_EQ(newJobs(), QStringList());
            continue;
        }
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages.front().text, u"The collection had already gone to the printer when "
                                         "Cancel was chosen, so it is printed."_s);
        EXPECT_TRUE(main->statusLine().startsWith(u"Sent the collection to the printer"_s));
        EXPECT_EQ(newJobs().size(), 1);
    }
}

// Exit, or a logout's SIGTERM, while the progress shows ends the program in its set order: the
// printout is sent before the windows go, not dropped with them.
TEST_F(PrinterTest, AnEndWhilePrintingSendsThePrintoutBeforeTheWindowsGo)
{
    REQUIRE_TEST_PRINTER("RostermereTest")
    for (const bool bySignal : {false, true}) {
        SCOPED_TRACE(bySignal ? "SIGTERM" : "Exit");
        startWithCollection(300);
        Termination termination([this] { main->prepareToEnd(); });
        QSemaphore reached, go;
        std::atomic<bool> sending = false;
        job()->setLineWatch([&](int done) {
            sending = sending || done == PrintJob::Sending;
            if (done == 100)
                reached.release(), go.acquire();
        });
        trigger("mnuPrintCollectionToPrinter");
        ASSERT_TRUE(shownProgress(reached));
        EXPECT_EQ(execWith([&] {
                      bySignal ? void(::raise(SIGTERM)) : trigger("mnuExit");
                      go.release();
                  }),
                  0);
        // A signal's end has waited for the printout by the time the event loop ends.
        EXPECT_TRUE(!bySignal || sending);
        endSession();
        EXPECT_TRUE(sending);
        EXPECT_EQ(newJobs().size(), 1);
    }
}

namespace {

// Runs lpadmin as root, or through sudo when it needs no password; false when neither can.
bool lpadmin(const QStringList &arguments)
{
    QProcess admin;
    if (geteuid() == 0)
        admin.start(u"lpadmin"_s, arguments);
    else
        admin.start(u"sudo"_s, QStringList{u"-n"_s, u"lpadmin"_s} + arguments);
    return admin.waitForFinished(30000) && admin.exitStatus() == QProcess::NormalExit &&
           admin.exitCode() == 0;
}

} // namespace

// The queue goes away while the document is being made, as when a printer is unplugged.
TEST_F(PrinterTest, APrinterThatGoesAwayDuringTheJobIsNamedAndNothingIsPrinted)
{
    REQUIRE_TEST_PRINTER("RostermereTest")
    const QString queue = u"RostermereVanishing"_s;
    if (!lpadmin({u"-p"_s, queue, u"-E"_s, u"-v"_s, u"rostermere-capture:/"_s, u"-m"_s, u"raw"_s}))
        GTEST_SKIP() << "print queues can only be made as root or with sudo";
    const QByteArray printer = qgetenv("PRINTER");
    qputenv("PRINTER", queue.toLatin1());
    startWithCollection(20);
    QSemaphore reached, removed;
    job()->setLineWatch([&](int done) {
        if (done == 1)
            reached.release(), removed.acquire();
    });
    trigger("mnuPrintCollectionToPrinter");
    qputenv("PRINTER", printer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return reached.available() > 0; }, 60000));
    const bool gone = lpadmin({u"-x"_s, queue});
    removed.release();
    waitForPrintout();
    ASSERT_TRUE(gone);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front().text, u"The collection was not printed: The printer "
                                     "\"RostermereVanishing\" is no longer there, so nothing was "
                                     "printed."_s);
    EXPECT_EQ(newJobs(), QStringList());
}

// Prints in a process whose print setup the parent chose, and expects the message it names.
TEST_F(GuiTest, DISABLED_PrinterFailureIsReported)
{
    writeFile(u"rfarm.txt"_s, "101,Grub,Weak,C,Mire,10\r\n102,Hob,Standard,C,Mire,25\r\n");
    writeFile(u"current-runeforge.txt"_s, {});
    start(true);
    doubleClickRow(list("lstUnits"), 0);
    trigger("mnuPrintCollectionToPrinter");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !main->findChild<PrintJob *>()->isRunning(); }));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(qEnvironmentVariable("ROSTERMERE_MESSAGE")))
        << messages.front().text.toStdString();
    EXPECT_EQ(main->selectedRow(), 0);
    EXPECT_EQ(column("lstCollection"), texts({"1", "0"}));
}

TEST(PrinterSetups, MissingOrRefusingPrintersAreReportedAndTheProgramGoesOn)
{
    const char *const child = "DISABLED_PrinterFailureIsReported";
    EXPECT_EQ(failureOfChild(child, {u"CUPS_SERVER=/nonexistent/cups.sock"_s,
                                     u"ROSTERMERE_MESSAGE=no default printer"_s}),
              QString());
    REQUIRE_TEST_PRINTER("RostermereRefusing")
    // The print system takes the default printer from PRINTER when it is set.
    EXPECT_EQ(
        failureOfChild(child,
                       {u"PRINTER=RostermereRefusing"_s,
                        u"ROSTERMERE_MESSAGE=\"RostermereRefusing\" has stopped accepting jobs, so "
                        "nothing was printed."_s}),
        QString());
}

// Save as PDF needs no printer: the file holds the pages the printer gets, written whole, and
// a file that can't be written is said. The preview shows the same pages, from which they can
// be printed or saved.
TEST_F(PrinterTest, SaveAsPdfAndThePreviewMakeThePrintersPagesWithoutAPrinter)
{
    startWithCollection(120);
    auto *reports = main->findChild<ReportCommands *>();
    const QString path = QDir::current().filePath(u"Spring Collection.pdf"_s);
    const QFuture<QString> saving = reports->savePdfTo(path);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return main->statusLine().startsWith(u"Wrote"_s) || !messages.isEmpty(); },
        60000));
    EXPECT_EQ(saving.result(), QString());
    EXPECT_EQ(main->statusLine(), u"Wrote the collection to \"%1\": 122 units."_s.arg(path));
    EXPECT_EQ(expectSpringPages(path).size(), 8 + 120);
    EXPECT_TRUE(messages.isEmpty());
    const QFuture<QString> refused = reports->savePdfTo(u"/proc/rostermere/Spring.pdf"_s);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.isEmpty(); }, 60000));
    EXPECT_TRUE(messages.front().text.startsWith(
        u"Could not write the PDF \"/proc/rostermere/Spring.pdf\": "_s))
        << messages.front().text.toStdString();

    // The window's events go on while the preview lays out its pages: a timer due at once fires
    // before the pages are there.
    int pagesWhenTheTimerFired = -1;
    QTimer::singleShot(0, qApp, [this, &pagesWhenTheTimerFired] {
        if (auto *preview = main->findChild<QPrintPreviewWidget *>())
            pagesWhenTheTimerFired = preview->pageCount();
    });
    int pages = 0;
    QTimer::singleShot(100, qApp, [&pages] {
        auto *preview = qApp->activeModalWidget()->findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        pages = preview->pageCount();
        qApp->activeModalWidget()->close();
    });
    trigger("actPrintPreview");
    EXPECT_EQ(pagesWhenTheTimerFired, 0);
    EXPECT_GE(pages, 2);
}
