#include "gui_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class Reports : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                                  "3,Nell,Tough,C,Mire,30\r\n4,Gull,Weak,C,Coast,5\r\n"
                                  "5,Mara,Unique,LE,Coast,70\r\n6,Wisp,Weak,C,Coast,1\r\n");
        writeFile(u"current-runeforge.txt"_s, "\"Hob (S)\",1.25\r\n\"Mara (LE)\",12\r\n");
        start();
        picker->hide();
    }

    void name(const QString &text)
    {
        find<QLineEdit>(main.get(), "txtCollectionName")->setText(text);
    }

    QStringList fileLines(const QString &file)
    {
        const QByteArray bytes = fileBytes(file);
        EXPECT_TRUE(bytes.endsWith("\r\n")) << file.toStdString();
        QStringList lines = QString::fromLatin1(bytes).split(u"\r\n"_s);
        lines.removeLast();
        return lines;
    }
};

} // namespace

TEST_F(Reports, TextReportListsCatalogueOrderWithTheTotalsAsShown)
{
    doubleClickRow(list("lstUnits"), 4);
    doubleClickRow(list("lstUnits"), 1);
    doubleClickRow(list("lstUnits"), 4);
    name(u"Spring"_s);
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionToFile");
    const QStringList lines = fileLines(u"Spring.txt"_s);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], u"              Spring"_s);
    EXPECT_EQ(lines.mid(5, 2), (QStringList{u"2       Hob (Standard)                   1"_s,
                                            u"5       Mara (Unique)                    2"_s}));
    EXPECT_EQ(lines.mid(9), (QStringList{u"Number of Pieces in Collection:           3"_s,
                                         u"Total Point Value:                        165"_s,
                                         u"Alleged Value:                            25.25"_s}));
    for (const char *list : ListNames)
        EXPECT_EQ(selectedRow(this->list(list)), 5) << list;

    // A second run leaves only the second report.
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionToFile");
    EXPECT_EQ(fileLines(u"Spring.txt"_s).size(), 7);
}

TEST_F(Reports, HtmlPageIsNamedAfterTheNameBox)
{
    trigger("mnuPrintCollectionHtml");
    EXPECT_EQ(fileLines(u".htm"_s).size(), 14);

    doubleClickRow(list("lstUnits"), 2);
    doubleClickRow(list("lstUnits"), 3);
    name(u"Rock & Roll"_s);
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionHtml");
    const QStringList lines = fileLines(u"Rock & Roll.htm"_s);
    ASSERT_EQ(lines.size(), 14 + 2 * 5 + 5);
    EXPECT_EQ(lines[3], u"              <strong>Rock &amp; Roll</strong>"_s);
}

TEST_F(Reports, ReportThatCannotBeWrittenKeepsTheOldOne)
{
    name(u"Spring"_s);
    trigger("mnuPrintCollectionToFile");
    const QByteArray before = fileBytes(u"Spring.txt"_s);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"Spring.htm"_s));
    doubleClickRow(list("lstUnits"), 0);
    trigger("mnuPrintCollectionHtml");
    name(u"no/such/folder/Spring"_s);
    trigger("mnuPrintCollectionToFile");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].text.contains(u"\"Spring.htm\""_s)) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[1].text.contains(u"no/such/folder/Spring.txt"_s));
    EXPECT_EQ(fileBytes(u"Spring.txt"_s), before);
    EXPECT_EQ(main->selectedRow(), 0);
}

TEST_F(Reports, PrintArmyToFileDoesNothingAndExitEndsAtOnce)
{
    doubleClickRow(list("lstUnits"), 0);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    trigger("mnuPrintArmyToTextFile");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    EXPECT_EQ(main->selectedRow(), 0);

    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    giveUp.start(5000);
    QTimer::singleShot(0, main.get(), [this] { trigger("mnuExit"); });
    EXPECT_EQ(QApplication::exec(), 0);
    giveUp.stop();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), before);
}
