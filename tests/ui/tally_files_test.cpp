#include "gui_fixture.h"

#include "tally_files/tally_file.h"

#include <QPushButton>
#include <QSignalSpy>

namespace {

class TallyFiles : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                                  "3,Nell,Tough,C,Mire,30\r\n");
        // The army reads prices strictly, the collection forgivingly: Hob's is 0.5 or nothing.
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",2\r\n\"Hob (S)\",0.5 each\r\n");
        start(true);
    }

    // Chooses `menuItem` and, once its modal picker is up, checks its captions and list and
    // double-clicks `name` in it.
    void pick(const char *menuItem, const QString &caption, const QStringList &listed,
              const QString &name)
    {
        const auto answer = [&](QDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), caption);
            EXPECT_EQ(dialog->size(), QSize(237, 213));
            EXPECT_EQ(dialog->findChild<QPushButton *>(u"cmdOoops"_s)->text(),
                      u"Oops, don't load"_s);
            auto *files = dialog->findChild<QListWidget *>(u"filLoadChar"_s);
            EXPECT_EQ(items(files), listed);
            doubleClickItem(files, name);
            EXPECT_FALSE(dialog->isVisible());
        };
        EXPECT_TRUE(answerModal(menuItem, answer)) << menuItem << " showed no modal window";
    }
};

const QString ArmyPicker = u"Pick an Army  to load please"_s;
const QString CollectionPicker = u"Pick a collection to load please"_s;

} // namespace

// Saving, listing, loading back and "Oops" are driven at random by the session test.
TEST_F(TallyFiles, ALoadRepaintsItsCountColumnOnceAndReadsPricesAsItsTallyDoes)
{
    writeFile(u"army1.sav"_s, TallyFile::encode(texts({"0", "2", "11"})));
    writeFile(u".sav"_s, TallyFile::encode({u"3"_s}));
    main->selectRow(0);
    // The lists repaint what the model says changed: the whole count column.
    QSignalSpy changed(main->model(), &QAbstractItemModel::dataChanged);
    pick("mnuLoadCollection", CollectionPicker, texts({".sav", "army1.sav"}), u"army1.sav"_s);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.front().at(0).toModelIndex(), main->model()->index(0, 6));
    EXPECT_EQ(changed.front().at(1).toModelIndex(), main->model()->index(2, 6));
    EXPECT_EQ(shown("Collection"), u"0_ 2_ 11_ | 13 380 1"_s);
    pick("mnuLoadArmy", ArmyPicker, texts({".sav", "army1.sav"}), u"army1.sav"_s);
    EXPECT_EQ(shown("Army"), u"0_ 2_ 11_ | 13 380 0"_s);

    // A file of one row leaves that row selected, as the load reads row by row.
    pick("mnuLoadArmy", ArmyPicker, texts({".sav", "army1.sav"}), u".sav"_s);
    EXPECT_EQ(shown("Army"), u"3_ 0 0 | 3 30 6"_s);
    expectAligned(0);
    EXPECT_TRUE(messages.isEmpty());
}

// Adding armies at random, the saved one and not the one on screen, is in the session test.
TEST_F(TallyFiles, AddArmyAddsRowsTheFileHoldsAndSelectsTheLastOfThem)
{
    // An army file of one row adds that row and leaves it selected; one of no rows adds
    // nothing and leaves the selection alone, and loads as no counts.
    writeFile(u"one.sav"_s, TallyFile::encode(texts({"2"})));
    writeFile(u"no\\ne.sav"_s, QByteArray(2, '\0')); // made elsewhere: a backslash reads fine
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"one"_s);
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(shown("Collection"), u"2_ 0 0 | 2 20 4"_s);
    expectAligned(0);
    main->selectRow(1);
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"no\\ne"_s);
    trigger("mnuAddArmyCollection");
    main->LoadArmy();
    EXPECT_EQ(shown("Collection"), u"2_ 0 0 | 2 20 4"_s);
    EXPECT_EQ(shown("Army"), u"0 0 0 | 0 0 0"_s);
    expectAligned(1);
    EXPECT_TRUE(messages.isEmpty());
}
