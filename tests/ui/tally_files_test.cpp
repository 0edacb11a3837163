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

    void setCounts(Tally &tally, std::initializer_list<const char *> counts)
    {
        tally.counts = texts(counts);
        main->model()->countsChanged(&tally == &globals->army ? CatalogueModel::ArmyColumn
                                                              : CatalogueModel::CollectionColumn);
    }

    void setName(const char *box, const QString &name)
    {
        find<QLineEdit>(main.get(), box)->setText(name);
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

    // The row a file command leaves selected everywhere, with the price display on its unit.
    void expectSelected(int row, const char *guideName)
    {
        expectAligned(row);
        EXPECT_EQ(text("lblPriceGuideName"), QLatin1String(guideName));
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
    expectSelected(0, "Grub (W)");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TallyFiles, AddArmyAddsTheSavedArmyNotTheOneOnScreen)
{
    setCounts(globals->army, {"0", "2", "11"});
    setName("txtArmyName", u"raid"_s);
    trigger("mnuSaveArmy");
    setCounts(globals->army, {"9", "9", "9"});
    writeFile(u"mine.sav"_s, TallyFile::encode(texts({"1", "0", "4"})));
    setName("txtCollectionName", u"mine"_s);
    main->LoadCollection();
    EXPECT_EQ(shown("Collection"), u"1_ 0_ 4_ | 5 130 2"_s);

    main->selectRow(0);
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(shown("Collection"), u"1_ 2_ 15_ | 18 510 2"_s);
    expectSelected(2, "Nell (T)");
    EXPECT_EQ(shown("Army"), u"9 9 9 | 0 0 0"_s);
    EXPECT_EQ(text("txtArmyName"), u"raid"_s);

    // An army file of one row adds that row and leaves it selected; one of no rows adds
    // nothing and leaves the selection alone, and loads as no counts.
    writeFile(u"one.sav"_s, TallyFile::encode(texts({"2"})));
    writeFile(u"no\\ne.sav"_s, QByteArray(2, '\0')); // made elsewhere: a backslash reads fine
    setName("txtArmyName", u"one"_s);
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(shown("Collection"), u"3_ 2_ 15_ | 20 530 6"_s);
    expectSelected(0, "Grub (W)");
    main->selectRow(1);
    setName("txtArmyName", u"no\\ne"_s);
    trigger("mnuAddArmyCollection");
    main->LoadArmy();
    EXPECT_EQ(shown("Collection"), u"3_ 2_ 15_ | 20 530 6"_s);
    EXPECT_EQ(shown("Army"), u"0 0 0 | 0 0 0"_s);
    expectSelected(1, "Hob (S)");
}
