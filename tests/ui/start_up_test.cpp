#include "gui_fixture.h"

#include <QApplication>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList pickerEntries(frmWorldPick *picker)
{
    auto *files = picker->findChild<QListWidget *>(u"filWorld"_s);
    QStringList names;
    for (int i = 0; i < files->count(); ++i)
        names.append(files->item(i)->text());
    return names;
}

void doubleClickEntry(frmWorldPick *picker, int row)
{
    auto *files = picker->findChild<QListWidget *>(u"filWorld"_s);
    const QPoint at = files->visualItemRect(files->item(row)).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

TEST_F(GuiTest, StartUpFillsEveryColumnAndShowsBothWindows)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(12));
    writeFile(u"current-runeforge.txt"_s, "\"Unit 1 (S)\",2.50\n");
    start();

    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(picker->isVisible());
    EXPECT_TRUE(messages.isEmpty());
    const QStringList expectedRow5 = {u"u5"_s, u"Unit 5"_s, u"Standard"_s, u"F0"_s,
                                      u"C"_s,  u"6"_s,      u"0"_s,        u"0"_s};
    for (int column = 0; column < 8; ++column) {
        QListView *view = list(ListNames[column]);
        EXPECT_EQ(view->model()->rowCount(), 12) << ListNames[column];
        EXPECT_EQ(rowText(view, 5), expectedRow5[column]) << ListNames[column];
        EXPECT_EQ(topRow(view), 0) << ListNames[column];
    }
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(rowText(list("lstCollection"), row), u"0"_s);
        EXPECT_EQ(rowText(list("lstArmy"), row), u"0"_s);
    }
    EXPECT_EQ(globals->catalogue.UnitPrice.at(1), u"2.50"_s);
}

TEST_F(GuiTest, PickerListsOnlyRulesetFilesAndShowsTheFolder)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(3));
    for (const QString &name : {u"Skirmish.arm"_s, u"Grand.arm"_s, u"notes.txt"_s,
                                u"old.arm.bak"_s, u"arm"_s, u"Loud.ARM"_s})
        writeFile(name, "x");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.arm"_s));
    start();

    EXPECT_EQ(pickerEntries(picker.get()),
              (QStringList{u"Grand.arm"_s, u"Loud.ARM"_s, u"Skirmish.arm"_s}));
    EXPECT_EQ(picker->findChild<QLineEdit *>(u"txtX"_s)->text(),
              QDir::toNativeSeparators(QDir::currentPath()));
}

TEST_F(GuiTest, NoRulesetStillFillsTheMainWindow)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(4));
    start();
    EXPECT_TRUE(pickerEntries(picker.get()).isEmpty());
    EXPECT_EQ(list("lstUnits")->model()->rowCount(), 4);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(GuiTest, UnreadableInputFilesAreReportedAndTheProgramGoesOn)
{
    start();
    ASSERT_EQ(messages.size(), 1);
    const QString text = messages.front().text;
    EXPECT_TRUE(text.contains(u"\"rfarm.txt\""_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"does not exist"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\"current-runeforge.txt\""_s)) << text.toStdString();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(list("lstUnits")->model()->rowCount(), 0);
}

TEST_F(GuiTest, BrokenCatalogueLoadsItsCompleteRecordsAndSaysWhere)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(3) + "\r\nu3,Unit 3,Weak\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Unit 0 (W)\",1\n");
    start();
    EXPECT_EQ(list("lstUnits")->model()->rowCount(), 3);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"\"rfarm.txt\", line 5:"_s))
        << messages.front().text.toStdString();
}

TEST_F(GuiTest, WindowsCharactersShowAsTheyAre)
{
    writeFile(u"rfarm.txt"_s, "1,S\xe9raphine \x80,Weak,C,Ch\xf6ir,5\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"S\xe9raphine \x80 (W)\",1\r\n");
    start();
    EXPECT_EQ(rowText(list("lstUnits"), 0), u"S\u00e9raphine \u20ac"_s);
    EXPECT_EQ(rowText(list("lstFaction"), 0), u"Ch\u00f6ir"_s);
    EXPECT_EQ(globals->catalogue.UnitPrice.at(0), u"1"_s);
}

TEST_F(GuiTest, RulesetDoubleClickReloadsBothFilesWithOneRowPerUnit)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(5));
    writeFile(u"current-runeforge.txt"_s, "\"Unit 1 (S)\",2\n");
    writeFile(u"Grand.arm"_s, "x");
    start();

    writeFile(u"rfarm.txt"_s, numberedCatalogue(7));
    writeFile(u"current-runeforge.txt"_s, "\"Unit 6 (T)\",9\n");
    doubleClickEntry(picker.get(), 0);

    EXPECT_FALSE(picker->isVisible());
    EXPECT_TRUE(main->isVisible());
    for (const char *name : ListNames) {
        QListView *view = list(name);
        ASSERT_EQ(view->model()->rowCount(), 7) << name;
        for (int row = 0; row < 7; ++row)
            EXPECT_EQ(globals->catalogue.UnitId.at(row), u"u%1"_s.arg(row));
    }
    EXPECT_EQ(rowText(list("lstUnits"), 6), u"Unit 6"_s);
    EXPECT_EQ(globals->catalogue.UnitPrice,
              (QStringList{{}, {}, {}, {}, {}, {}, u"9"_s}));
}

TEST_F(GuiTest, ReloadOfAVanishedCatalogueKeepsTheUnitsShown)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(5));
    writeFile(u"current-runeforge.txt"_s, "\"Unit 1 (S)\",2\n");
    writeFile(u"Grand.arm"_s, "x");
    start();

    ASSERT_TRUE(QFile::remove(u"rfarm.txt"_s));
    doubleClickEntry(picker.get(), 0);

    EXPECT_EQ(list("lstUnits")->model()->rowCount(), 5);
    EXPECT_EQ(globals->catalogue.UnitPrice.at(1), u"2"_s);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"kept"_s)) << messages.front().text.toStdString();
}

TEST_F(GuiTest, ClosingTheMainWindowEndsTheProgramWhileThePickerIsHidden)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(2));
    writeFile(u"Grand.arm"_s, "x");
    start();
    doubleClickEntry(picker.get(), 0);
    ASSERT_FALSE(picker->isVisible());

    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    giveUp.start(5000);
    QTimer::singleShot(0, main.get(), [this] { main->close(); });
    QGuiApplication::setQuitOnLastWindowClosed(true);
    const int exitCode = QApplication::exec();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    giveUp.stop();
    EXPECT_EQ(exitCode, 0);
}
