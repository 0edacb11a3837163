#include "test_printer.h"
#include "ui/gui_fixture.h"

#include <QElapsedTimer>
#include <QProcess>

TEST_F(GuiTest, CollectionGoesToTheDefaultPrinterAsOneJob)
{
    REQUIRE_TEST_PRINTER("RostermereTest")
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), u"RostermereTest"_s);
    // Three units to check the columns, and enough more to need a second page.
    QByteArray catalogue = "101,Grub,Weak,C,Mire,10\r\n102,Hob,Standard,C,Mire,25\r\n"
                           "103,Nell the Ever-Patient Hedge Witch,Unique,R,Mire,30\r\n";
    for (int unit = 200; unit < 320; ++unit)
        catalogue +=
            QByteArray::number(unit) + ",Filler " + QByteArray::number(unit) + ",W,C,F,1\n";
    writeFile(u"rfarm.txt"_s, catalogue);
    writeFile(u"current-runeforge.txt"_s, {});
    start(true);
    globals->collection.counts = texts({"3", "0", "12"}) + QStringList(120, u"1"_s);
    find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Spring"_s);
    const QDir capture(u"/var/tmp/rostermere-printer"_s);
    const QStringList before = capture.entryList({u"job-*.pdf"_s});
    trigger("mnuPrintCollectionToPrinter");
    EXPECT_EQ(main->selectedRow(), 122);
    ASSERT_TRUE(messages.isEmpty()) << messages.front().text.toStdString();

    // Wait for the job to reach the backend, then a little longer for any second one.
    QStringList jobs;
    QElapsedTimer waited;
    waited.start();
    for (bool settled = false; !settled && waited.elapsed() < 60000; QTest::qWait(1500)) {
        settled = !jobs.isEmpty();
        jobs = capture.entryList({u"job-*.pdf"_s});
        jobs.removeIf([&before](const QString &job) { return before.contains(job); });
    }
    ASSERT_EQ(jobs.size(), 1) << jobs.join(u' ').toStdString();
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-layout"_s, capture.filePath(jobs.front()), u"-"_s});
    ASSERT_TRUE(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0);
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_GE(printed.count(u'\f'), 2); // a form feed ends each page
    QStringList lines = QString(printed).remove(u'\f').split(u'\n');
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    ASSERT_EQ(lines.size(), 8 + 120) << lines.join(u'\n').toStdString();
    QStringList starts;
    for (const QString &line : lines)
        starts.append(line.simplified().section(u' ', 0, 1));
    EXPECT_EQ(starts.mid(0, 8),
              (QStringList{QString(66, u'='), u"Spring Collection"_s, QString(66, u'='),
                           u"Unit Unit"_s, u"ID"_s, u"101 Grub"_s, u"103 Nell"_s, u"12"_s}));
    for (int filler = 0; filler < 120; ++filler)
        EXPECT_EQ(starts[8 + filler], u"%1 Filler"_s.arg(200 + filler));

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

// Prints in a process whose print setup the parent chose, and expects the message it names.
TEST_F(GuiTest, DISABLED_PrinterFailureIsReported)
{
    writeFile(u"rfarm.txt"_s, "101,Grub,Weak,C,Mire,10\r\n102,Hob,Standard,C,Mire,25\r\n");
    writeFile(u"current-runeforge.txt"_s, {});
    start(true);
    doubleClickRow(list("lstUnits"), 0);
    trigger("mnuPrintCollectionToPrinter");
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
    EXPECT_EQ(failureOfChild(
                  child, {u"PRINTER=RostermereRefusing"_s, u"ROSTERMERE_MESSAGE=not printed"_s}),
              QString());
}
