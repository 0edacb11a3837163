#include "gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
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

    void trigger(const char *action) { main->findChild<QAction *>(QLatin1String(action))->trigger(); }

    void count(int row)
    {
        QListView *units = list("lstUnits");
        const QPoint at = units->visualRect(units->model()->index(row, 1)).center();
        QTest::mouseClick(units->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(units->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    QStringList fileLines(const QString &name)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return {u"<missing %1>"_s.arg(name)};
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
        QStringList lines = QString::fromLatin1(bytes).split(u"\r\n"_s);
        lines.removeLast();
        return lines;
    }

    QLineEdit *collectionName() { return find<QLineEdit>(main.get(), "txtCollectionName"); }
};

} // namespace

TEST_F(Reports, SummaryItemStartsUncheckedAndFlips)
{
    auto *summary = main->findChild<QAction *>(u"mnuIncludeSummary"_s);
    EXPECT_FALSE(summary->isChecked());
    summary->trigger();
    EXPECT_TRUE(summary->isChecked());
    summary->trigger();
    EXPECT_FALSE(summary->isChecked());
}

TEST_F(Reports, TextReportListsCatalogueOrderWithTheShownTotals)
{
    count(4);
    count(1);
    count(4);
    collectionName()->setText(u"Spring"_s);
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionToFile");

    const QStringList lines = fileLines(u"Spring.txt"_s);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], u"              Spring"_s);
    EXPECT_EQ(lines[5], u"2       Hob (Standard)                   1"_s);
    EXPECT_EQ(lines[6], u"5       Mara (Unique)                    2"_s);
    EXPECT_EQ(lines[9], u"Number of Pieces in Collection:           3"_s);
    EXPECT_EQ(lines[10], u"Total Point Value:                        165"_s);
    EXPECT_EQ(lines[11], u"Alleged Value:                            25.25"_s);
    for (const char *name : ListNames)
        EXPECT_EQ(selectedRow(list(name)), 5) << name;
}

TEST_F(Reports, RunningTwiceLeavesOnlyTheSecondReport)
{
    count(0);
    collectionName()->setText(u"Spring"_s);
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionToFile");
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionToFile");
    EXPECT_EQ(fileLines(u"Spring.txt"_s).size(), 6);
}

TEST_F(Reports, HtmlPageIsNamedAfterTheNameBox)
{
    trigger("mnuPrintCollectionHtml");
    EXPECT_EQ(fileLines(u".htm"_s).size(), 14);

    count(2);
    count(3);
    collectionName()->setText(u"Rock & Roll"_s);
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionHtml");
    const QStringList lines = fileLines(u"Rock & Roll.htm"_s);
    ASSERT_EQ(lines.size(), 14 + 2 * 5 + 5);
    EXPECT_EQ(lines[3], u"              <strong>Rock &amp; Roll</strong>"_s);
    EXPECT_EQ(lines.last(), u"</html>"_s);
}

TEST_F(Reports, ReportThatCannotBeWrittenKeepsTheOldOne)
{
    collectionName()->setText(u"Spring"_s);
    trigger("mnuPrintCollectionToFile");
    const QStringList before = fileLines(u"Spring.txt"_s);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"Spring.htm"_s));
    count(0);
    for (const char *command : {"mnuPrintCollectionHtml"}) {
        trigger(command);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.front().text.contains(u"Spring.htm"_s));
    }
    collectionName()->setText(u"no/such/folder/Spring"_s);
    trigger("mnuPrintCollectionToFile");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.back().text.contains(u"no/such/folder/Spring.txt"_s));
    EXPECT_EQ(fileLines(u"Spring.txt"_s), before);
}

TEST_F(Reports, PrintArmyToFileDoesNothing)
{
    count(0);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    trigger("mnuPrintArmyToTextFile");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(main->selectedRow(), 0);
}

TEST_F(Reports, ExitEndsTheProgramAtOnce)
{
    count(0);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    giveUp.start(5000);
    QTimer::singleShot(0, main.get(), [this] { trigger("mnuExit"); });
    EXPECT_EQ(QApplication::exec(), 0);
    giveUp.stop();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u".sav"_s)));
}
