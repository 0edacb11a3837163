#include "gui_fixture.h"

#include "tally_files/tally_file.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>

#include <sys/resource.h>

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

    // Chooses `menuItem` and, once its modal picker is up, checks its caption and list and
    // double-clicks `name` in it, or chooses "Oops, don't load" when `name` is empty.
    void pick(const char *menuItem, const QString &caption, const QStringList &listed,
              const QString &name)
    {
        bool seen = false;
        QTimer::singleShot(0, main.get(), [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            seen = dialog != nullptr && dialog->isModal();
            if (dialog == nullptr)
                return;
            EXPECT_EQ(dialog->windowTitle(), caption);
            EXPECT_EQ(dialog->size(), QSize(237, 213));
            auto *files = dialog->findChild<QListWidget *>(u"filLoadChar"_s);
            EXPECT_EQ(items(files), listed);
            auto *oops = dialog->findChild<QPushButton *>(u"cmdOoops"_s);
            EXPECT_EQ(oops->text(), u"Oops, don't load"_s);
            if (name.isEmpty())
                oops->click();
            else
                doubleClickItem(files, name);
            EXPECT_FALSE(dialog->isVisible());
            if (dialog->isVisible())
                dialog->reject(); // never leave a test waiting on a modal window
        });
        trigger(menuItem);
        EXPECT_TRUE(seen) << menuItem << " showed no modal window";
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

TEST_F(TallyFiles, SavedTalliesLoadBackThroughThePickers)
{
    // A save replaces a longer file whole.
    writeFile(u"army1.sav"_s, TallyFile::encode(texts({"1", "2", "3", "4", "5"})));
    setCounts(globals->army, {"0", "2", "11"});
    setName("txtArmyName", u"army1"_s);
    trigger("mnuSaveArmy");
    EXPECT_EQ(fileBytes(u"army1.sav"_s), TallyFile::encode(texts({"0", "2", "11"})));
    expectSelected(2, "Nell (T)");
    EXPECT_EQ(shown("Army"), u"0 2 11 | 0 0 0"_s);

    // Only lower-case ".sav" files are listed, the hidden ".sav" of an empty name included.
    for (const QString &name : {u".sav"_s, u"OLD.SAV"_s, u"notes.txt"_s, u"x.sav.bak"_s})
        writeFile(name, TallyFile::encode({u"3"_s}));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.sav"_s));
    main->selectRow(0);
    // The lists repaint what the model says changed: the whole count column.
    QSignalSpy changed(main->model(), &QAbstractItemModel::dataChanged);
    pick("mnuLoadCollection", CollectionPicker, texts({".sav", "army1.sav"}), u"army1.sav"_s);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.front().at(0).toModelIndex(), main->model()->index(0, 6));
    EXPECT_EQ(changed.front().at(1).toModelIndex(), main->model()->index(2, 6));
    EXPECT_EQ(text("txtCollectionName"), u"army1"_s);
    EXPECT_EQ(shown("Collection"), u"0_ 2_ 11_ | 13 380 1"_s);
    expectSelected(2, "Nell (T)");

    // The empty name of ".sav"; its one row ends selected, as the load reads row by row.
    pick("mnuLoadArmy", ArmyPicker, texts({".sav", "army1.sav"}), u".sav"_s);
    EXPECT_EQ(text("txtArmyName"), QString());
    EXPECT_EQ(shown("Army"), u"3_ 0 0 | 3 30 6"_s);
    expectSelected(0, "Grub (W)");

    // Saving what was loaded writes the same records again.
    setName("txtCollectionName", u"again"_s);
    trigger("mnuSaveCollection");
    EXPECT_EQ(fileBytes(u"again.sav"_s), fileBytes(u"army1.sav"_s));

    // "Oops" loads nothing; the next picker lists the files saved since.
    pick("mnuLoadArmy", ArmyPicker, texts({".sav", "again.sav", "army1.sav"}), QString());
    EXPECT_EQ(shown("Army"), u"3_ 0 0 | 3 30 6"_s);
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
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(shown("Collection"), u"1_ 4_ 26_ | 31 890 2"_s);
    EXPECT_EQ(shown("Army"), u"9 9 9 | 0 0 0"_s);
    EXPECT_EQ(text("txtArmyName"), u"raid"_s);

    // An army file of one row adds that row and leaves it selected; one of no rows adds
    // nothing and leaves the selection alone, and loads as no counts.
    writeFile(u"one.sav"_s, TallyFile::encode(texts({"2"})));
    writeFile(u"no\\ne.sav"_s, QByteArray(2, '\0')); // made elsewhere: a backslash reads fine
    setName("txtArmyName", u"one"_s);
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(shown("Collection"), u"3_ 4_ 26_ | 33 910 6"_s);
    expectSelected(0, "Grub (W)");
    main->selectRow(1);
    setName("txtArmyName", u"no\\ne"_s);
    trigger("mnuAddArmyCollection");
    main->LoadArmy();
    EXPECT_EQ(shown("Collection"), u"3_ 4_ 26_ | 33 910 6"_s);
    EXPECT_EQ(shown("Army"), u"0 0 0 | 0 0 0"_s);
    expectSelected(1, "Hob (S)");
}

TEST_F(TallyFiles, BadNamesAndFilesSayWhyAndChangeNothing)
{
    // Names that would leave the folder point back into it, so that a file they wrote shows.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"blocked.sav"_s) && QDir(m_dir.path()).mkdir(u"sub"_s));
    writeFile(u"cut.sav"_s, TallyFile::encode(texts({"1", "2", "3"})).chopped(10));
    writeFile(u"huge.sav"_s, TallyFile::encode(texts({"40000", "0", "0"})));
    writeFile(u"minus.sav"_s, TallyFile::encode(texts({"2", "-5", "0"})));
    writeFile(u"picture.sav"_s,
              QByteArray("\x02\x00\x89PNG\r\n\x1a\n", 10) + QByteArray(52, '\xff'));
    for (const QString &name : {u"full.sav"_s, u"full.txt"_s, u"full.htm"_s})
        writeFile(name, "old");
    const QString longName(100000, u'n');
    setCounts(globals->collection, {"5", "0", "0"});
    find<QRadioButton>(main.get(), "optArmy")->setChecked(true);
    doubleClickRow(list("lstUnits"), 0);
    main->selectRow(1);
    struct Case
    {
        const char *command; // "load" loads as a pick of that name would
        QString name;
        const char *reason;
        rlim_t fileSizeLimit = RLIM_INFINITY; // a full disk, as the program meets one
    };
    // clang-format off
    const Case cases[] = {
        {"mnuSaveArmy", u"blocked"_s, "folder"}, {"mnuSaveArmy", u"full"_s, "disk is full", 50},
        {"mnuSaveArmy", u"no/such/folder"_s, "folder part"},
        {"mnuSaveArmy", u"sub/../up"_s, "folder part"},
        {"mnuSaveArmy", m_dir.filePath(u"x"_s), "folder part"},
        {"mnuSaveArmy", u"a\\b"_s, "folder part"}, {"mnuSaveArmy", longName, "too long"},
        {"load", u"missing"_s, "does not exist"}, {"load", u"cut"_s, "shorter than"},
        {"load", u"huge"_s, "out of its range"}, {"load", u"minus"_s, "not a tally file"},
        {"load", u"picture"_s, "not a tally file"}, {"load", u"sub/../cut"_s, "folder part"},
        {"mnuAddArmyCollection", u"missing"_s, "does not exist"},
        {"mnuAddArmyCollection", u"huge"_s, "out of its range"},
        {"mnuAddArmyCollection", u"picture"_s, "not a tally file"},
        {"mnuPrintCollectionToFile", u"full"_s, "disk is full", 50},
        {"mnuPrintCollectionHtml", u"full"_s, "disk is full", 50},
        {"mnuPrintCollectionToFile", u"a/b"_s, "folder part"},
        {"mnuPrintCollectionHtml", u"a\\b"_s, "folder part"},
        {"mnuPrintCollectionHtml", longName, "too long"}};
    // clang-format on
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command + (u" "_s + c.name.left(20)).toStdString());
        messages.clear();
        setName(QByteArray(c.command).startsWith("mnuPrint") ? "txtCollectionName" : "txtArmyName",
                c.name);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit unlimited = limit;
        limit.rlim_cur = c.fileSizeLimit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        if (qstrcmp(c.command, "load") == 0)
            main->LoadArmy();
        else
            trigger(c.command);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);

        ASSERT_EQ(messages.size(), 1);
        const QString &message = messages.front().text;
        EXPECT_TRUE(message.contains(QLatin1String(c.reason))) << message.toStdString();
        // A long name shows as its start and end.
        EXPECT_TRUE(c.name.size() > 100 ? message.size() < 400 && message.contains(u"n\u2026n"_s)
                                        : message.contains(u'"' + c.name))
            << message.toStdString();
        EXPECT_EQ(shown("Army"), u"1 0 0 | 1 10 2"_s);
        EXPECT_EQ(shown("Collection"), u"5 0 0 | 0 0 0"_s);
        EXPECT_EQ(main->selectedRow(), 1);
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), filesBefore);
    for (const QString &name : {u"full.sav"_s, u"full.txt"_s, u"full.htm"_s})
        EXPECT_EQ(fileBytes(name), "old");
}
