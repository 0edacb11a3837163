#include "qt_printers.h"
#include "test_printer.h"
#include "ui/frm_main.h"
#include "ui/messages.h"
#include "ui/mod_globals.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Jobs that the test queue's backend kept since `before`.
QStringList newJobs(const QStringList &before = {})
{
    QStringList jobs =
        QDir(u"/var/tmp/rostermere-printer"_s).entryList({u"job-*.pdf"_s}, QDir::Files);
    for (const QString &job : before)
        jobs.removeAll(job);
    return jobs;
}

// The printed pages as text laid out in columns, without empty lines.
QStringList pageText(const QString &job)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s,
                    {u"-layout"_s, u"/var/tmp/rostermere-printer/"_s + job, u"-"_s});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QStringList lines = text.remove(u'\f').split(u'\n');
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    return lines;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

int pageCount(const QString &job)
{
    QProcess pdfinfo;
    pdfinfo.start(u"pdfinfo"_s, {u"/var/tmp/rostermere-printer/"_s + job});
    EXPECT_TRUE(pdfinfo.waitForFinished(30000));
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const qsizetype at = info.indexOf(u"Pages:"_s);
    return at < 0 ? 0 : info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

} // namespace

TEST(Printer, CollectionGoesToTheDefaultPrinterAsOneJob)
{
    REQUIRE_TEST_PRINTER("RostermereTest")
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), u"RostermereTest"_s);
    QTemporaryDir dir;
    const QString previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    // Three units to check the columns, and enough more to need a second page.
    QByteArray catalogue = "101,Grub,Weak,C,Mire,10\r\n102,Hob,Standard,C,Mire,25\r\n"
                           "103,Nell the Ever-Patient Hedge Witch,Unique,R,Mire,30\r\n";
    QStringList counts = {u"3"_s, u"0"_s, u"12"_s};
    for (int unit = 200; unit < 320; ++unit) {
        catalogue +=
            QByteArray::number(unit) + ",Filler " + QByteArray::number(unit) + ",Weak,C,F,1\r\n";
        counts.append(u"1"_s);
    }
    writeFile(u"rfarm.txt"_s, catalogue);
    QStringList messages;
    const Messages::Handler previous =
        Messages::setHandler([&messages](QWidget *, const Messages::Message &message) {
            messages.append(message.text);
        });
    const QStringList before = newJobs();
    {
        modGlobals globals;
        frmMain main(globals);
        main.LoadUnits();
        globals.collection.counts = counts;
        main.findChild<QLineEdit *>(u"txtCollectionName"_s)->setText(u"Spring"_s);
        main.findChild<QAction *>(u"mnuPrintCollectionToPrinter"_s)->trigger();
        EXPECT_EQ(main.selectedRow(), counts.size() - 1);
    }
    Messages::setHandler(previous);
    QDir::setCurrent(previousDir);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();

    // Wait for the job to reach the backend, then a little longer for any second one.
    QElapsedTimer waited;
    waited.start();
    while (newJobs(before).isEmpty() && waited.elapsed() < 60000)
        QTest::qWait(200);
    QTest::qWait(1500);
    const QStringList jobs = newJobs(before);
    ASSERT_EQ(jobs.size(), 1) << jobs.join(u' ').toStdString();

    EXPECT_GE(pageCount(jobs.front()), 2);
    const QStringList lines = pageText(jobs.front());
    ASSERT_EQ(lines.size(), 8 + 120) << lines.join(u'\n').toStdString();
    for (int filler = 0; filler < 120; ++filler)
        EXPECT_TRUE(lines[8 + filler].trimmed().startsWith(u"%1 "_s.arg(200 + filler)))
            << lines[8 + filler].toStdString();
    EXPECT_EQ(lines[0].trimmed(), QString(66, u'='));
    EXPECT_EQ(lines[1].trimmed(), u"Spring Collection"_s);
    EXPECT_EQ(lines[2].trimmed(), QString(66, u'='));
    EXPECT_EQ(lines[4].trimmed(), u"ID"_s);
    EXPECT_TRUE(lines[5].trimmed().startsWith(u"101"_s));
    EXPECT_TRUE(lines[6].trimmed().startsWith(u"103"_s));

    // Labels start at one column and quantities at another on every line; a label too long
    // for its column pushes the quantity to the next line. The heading's stops fall between.
    const qsizetype label = lines[5].indexOf(u"Grub (Weak)"_s);
    const qsizetype quantity = lines[5].lastIndexOf(u'3');
    ASSERT_GT(label, 0);
    EXPECT_EQ(lines[6].indexOf(u"Nell the Ever-Patient Hedge Witch (Unique)"_s), label);
    EXPECT_EQ(lines[7].indexOf(u"12"_s), quantity);
    EXPECT_EQ(lines[7].trimmed(), u"12"_s);
    EXPECT_LT(label, lines[3].indexOf(u"Unit Name"_s));
    EXPECT_LT(lines[3].indexOf(u"Unit Name"_s), lines[3].indexOf(u"Quantity"_s));
    EXPECT_LT(lines[3].indexOf(u"Quantity"_s), quantity);
}
