#include "gui_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

QListWidget *rulesetList(frmWorldPick *picker)
{
    return picker->findChild<QListWidget *>(u"filWorld"_s);
}

} // namespace

TEST_F(GuiTest, StartUpFillsEveryColumnAndShowsBothWindows)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(12) + "12,S\xe9raphine \x80,Weak,C,Ch\xf6ir,5\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Unit 1 (S)\",2.50\n\"S\xe9raphine \x80 (W)\",1\r\n");
    for (const QString &name :
         {u"Skirmish.arm"_s, u"Grand.arm"_s, u"notes.txt"_s, u"old.arm.bak"_s, u"Loud.ARM"_s})
        writeFile(name, "x");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.arm"_s));
    start();

    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(picker->isVisible());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(items(rulesetList(picker.get())), texts({"Grand.arm", "Loud.ARM", "Skirmish.arm"}));
    EXPECT_EQ(picker->findChild<QLineEdit *>(u"txtX"_s)->text(),
              QDir::toNativeSeparators(QDir::currentPath()));

    const char *const row5[] = {"u5", "Unit 5", "Standard", "F0", "C", "6", "0", "0"};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(list(ListNames[c])->model()->rowCount(), 13) << ListNames[c];
        EXPECT_EQ(rowText(list(ListNames[c]), 5), QLatin1String(row5[c])) << ListNames[c];
        EXPECT_EQ(topRow(list(ListNames[c])), 0) << ListNames[c];
    }
    EXPECT_EQ(column("lstCollection"), QStringList(13, u"0"_s));
    EXPECT_EQ(column("lstArmy"), QStringList(13, u"0"_s));
    EXPECT_EQ(rowText(list("lstUnits"), 12), u"S\u00e9raphine \u20ac"_s);
    EXPECT_EQ(rowText(list("lstFaction"), 12), u"Ch\u00f6ir"_s);
    EXPECT_EQ(globals->catalogue.UnitPrice.at(1), u"2.50"_s);
    EXPECT_EQ(globals->catalogue.UnitPrice.at(12), u"1"_s);
}

TEST_F(GuiTest, InputFileProblemsAreReportedAndTheProgramGoesOn)
{
    struct Case
    {
        QByteArray catalogue; // empty: no file
        QByteArray guide;     // empty: no file
        QStringList mustSay;
        int units;
    };
    // clang-format off
    const Case cases[] = {
        {{}, {}, {u"\"rfarm.txt\""_s, u"does not exist"_s, u"\"current-runeforge.txt\""_s}, 0},
        {numberedCatalogue(3) + "\r\nu3,Unit 3,Weak\r\n", {},
         {u"\"rfarm.txt\", line 5:"_s, u"\"current-runeforge.txt\""_s}, 3},
        // A stray quote swallows the records up to the next quote, and says where it began.
        {"1,\"Grub,Weak,C,Mire,1\r\n2,Hob,Weak,C,Mire,1\r\n3,\"Nell\",Weak,C,Mire,1\r\n"
         "4,Gull,Weak,C,Mire,1\r\n5,Wisp,Weak,C,Mire,1\r\n", "\"Gull (W)\",1\r\n",
         {u"\"rfarm.txt\", line 1: a quoted field starts here and runs on to line 3"_s}, 3},
        {numberedCatalogue(2), "\"Unit 0 (W)\",1\r\n\"Unit 1 (S)\"",
         {u"\"current-runeforge.txt\", line 2: the entry \"Unit 1 (S)\" has no price"_s}, 2},
    };
    // clang-format on
    for (const Case &c : cases) {
        messages.clear();
        QFile::remove(u"rfarm.txt"_s);
        QFile::remove(u"current-runeforge.txt"_s);
        if (!c.catalogue.isEmpty())
            writeFile(u"rfarm.txt"_s, c.catalogue);
        if (!c.guide.isEmpty())
            writeFile(u"current-runeforge.txt"_s, c.guide);
        start();
        ASSERT_EQ(messages.size(), 1);
        for (const QString &part : c.mustSay)
            EXPECT_TRUE(messages.front().text.contains(part))
                << messages.front().text.toStdString();
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(list("lstUnits")->model()->rowCount(), c.units);
    }
}

TEST_F(GuiTest, RulesetDoubleClickReloadsBothFilesWithOneRowPerUnit)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(5));
    writeFile(u"current-runeforge.txt"_s, "\"Unit 1 (S)\",2\n");
    writeFile(u"Grand.arm"_s, "x");
    start();

    // A unit of no known strength is priced by an empty guide name.
    writeFile(u"rfarm.txt"_s, numberedCatalogue(6) + "u6,Odd,Giant,C,F,1\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Unit 5 (S)\",9\n\"\",4\n");
    doubleClickItem(rulesetList(picker.get()), u"Grand.arm"_s);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_TRUE(main->isVisible());
    for (const char *name : ListNames)
        EXPECT_EQ(list(name)->model()->rowCount(), 7) << name;
    EXPECT_EQ(column("lstUnitId"), texts({"u0", "u1", "u2", "u3", "u4", "u5", "u6"}));
    EXPECT_EQ(globals->catalogue.UnitPrice, (QStringList{{}, {}, {}, {}, {}, u"9"_s, u"4"_s}));

    // A catalogue that has vanished since leaves the units shown, and says so.
    ASSERT_TRUE(QFile::remove(u"rfarm.txt"_s));
    doubleClickItem(rulesetList(picker.get()), u"Grand.arm"_s);
    EXPECT_EQ(list("lstUnits")->model()->rowCount(), 7);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"kept"_s)) << messages.front().text.toStdString();

    // Closing the main window while the picker is hidden ends the program.
    QGuiApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(execWith([this] { main->close(); }), 0);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}
