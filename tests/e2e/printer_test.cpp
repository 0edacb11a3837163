#include "qt_printers.h"
#include "ui/frm_main.h"
#include "ui/messages.h"
#include "ui/mod_globals.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString TestQueue = u"RostermereTest"_s;

QString captureFolder()
{
    const QString folder = qEnvironmentVariable("ROSTERMERE_PRINTER_CAPTURE");
    return folder.isEmpty() ? u"/var/tmp/rostermere-printer"_s : folder;
}

QStringList capturedJobs()
{
    return QDir(captureFolder()).entryList({u"job-*.pdf"_s}, QDir::Files, QDir::Name);
}

// The printed page as text laid out in columns.
QStringList pageText(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    QStringList lines;
    for (const QString &line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n'))
        if (!line.trimmed().isEmpty() && line != u"\f"_s)
            lines.append(line);
    return lines;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(Printer, CollectionGoesToTheDefaultPrinterAsOneJob)
{
    if (QPrinterInfo::defaultPrinterName() != TestQueue || !QDir(captureFolder()).exists()) {
        const std::string why = "the test printer is not set up (tools/setup-test-printer, "
                                "which ./test runs)";
        if (qEnvironmentVariable("CI") == u"true"_s)
            FAIL() << why;
        GTEST_SKIP() << why;
    }

    QTemporaryDir dir;
    const QString previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    writeFile(u"rfarm.txt"_s, "101,Grub,Weak,C,Mire,10\r\n"
                              "102,Hob,Standard,C,Mire,25\r\n"
                              "103,Nell the Ever-Patient Hedge Witch,Unique,R,Mire,30\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",2\r\n");
    QStringList messages;
    const Messages::Handler previous = Messages::setHandler(
        [&messages](QWidget *, const Messages::Message &message) { messages.append(message.text); });

    const QStringList before = capturedJobs();
    {
        modGlobals globals;
        frmMain main(globals);
        main.LoadUnits();
        globals.collection.counts = {u"3"_s, u"0"_s, u"12"_s};
        main.findChild<QLineEdit *>(u"txtCollectionName"_s)->setText(u"Spring"_s);
        main.findChild<QAction *>(u"mnuPrintCollectionToPrinter"_s)->trigger();
        EXPECT_EQ(main.selectedRow(), 2);
    }
    Messages::setHandler(previous);
    QDir::setCurrent(previousDir);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();

    // Wait for the job to reach the backend, then a little longer for any second one.
    QStringList fresh;
    QElapsedTimer waited;
    waited.start();
    while (fresh.isEmpty() && waited.elapsed() < 60000) {
        QTest::qWait(200);
        fresh = capturedJobs();
        for (const QString &job : before)
            fresh.removeAll(job);
    }
    QTest::qWait(1500);
    fresh = capturedJobs();
    for (const QString &job : before)
        fresh.removeAll(job);
    ASSERT_EQ(fresh.size(), 1) << fresh.join(u' ').toStdString();

    const QStringList lines = pageText(QDir(captureFolder()).filePath(fresh.front()));
    ASSERT_EQ(lines.size(), 8) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines[0].trimmed(), QString(66, u'='));
    EXPECT_EQ(lines[1].trimmed(), u"Spring Collection"_s);
    EXPECT_EQ(lines[2].trimmed(), QString(66, u'='));
    EXPECT_TRUE(lines[3].trimmed().startsWith(u"Unit"_s));
    EXPECT_EQ(lines[4].trimmed(), u"ID"_s);

    // Row lines: the id, the label at column 9 and the quantity at column 42, in the same
    // places on every line; a label too long for its column pushes the quantity to column 42
    // of the next line. The heading's stops 13 and 39 fall between those columns.
    EXPECT_TRUE(lines[5].trimmed().startsWith(u"101"_s));
    EXPECT_TRUE(lines[6].trimmed().startsWith(u"103"_s));
    const qsizetype label = lines[5].indexOf(u"Grub (Weak)"_s);
    const qsizetype quantity = lines[5].lastIndexOf(u'3');
    ASSERT_GT(label, 0);
    EXPECT_EQ(lines[6].indexOf(u"Nell the Ever-Patient Hedge Witch (Unique)"_s), label);
    EXPECT_EQ(lines[7].indexOf(u"12"_s), quantity);
    EXPECT_EQ(lines[7].trimmed(), u"12"_s);
    const qsizetype unitName = lines[3].indexOf(u"Unit Name"_s);
    const qsizetype quantityHeading = lines[3].indexOf(u"Quantity"_s);
    EXPECT_GT(unitName, label);
    EXPECT_GT(quantityHeading, unitName);
    EXPECT_LT(quantityHeading, quantity);
}
