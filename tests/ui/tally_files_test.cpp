#include "gui_fixture.h"

#include "tally_files/tally_file.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QString padded(const char *text)
{
    return QString::fromLatin1(text).leftJustified(TallyFile::RecordBytes, u' ');
}

class TallyFiles : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                                  "3,Nell,Tough,C,Mire,30\r\n");
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",2\r\n\"Hob (S)\",0.5\r\n");
        start();
        picker->hide();
    }

    void setCounts(Tally &tally, const QStringList &counts)
    {
        tally.counts = counts;
        main->model()->countsChanged(&tally == &globals->army ? CatalogueModel::ArmyColumn
                                                              : CatalogueModel::CollectionColumn);
    }

    QLineEdit *box(const char *name) { return find<QLineEdit>(main.get(), name); }

    // Chooses `menuItem` and, once its modal picker is up, hands the picker to `use`.
    void withPicker(const char *menuItem, const std::function<void(QDialog *)> &use)
    {
        bool seen = false;
        QTimer::singleShot(0, main.get(), [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            seen = dialog != nullptr && dialog->isModal();
            if (dialog == nullptr)
                return;
            use(dialog);
            if (dialog->isVisible())
                dialog->reject(); // never leave a test waiting on a modal window
        });
        trigger(menuItem);
        EXPECT_TRUE(seen) << menuItem << " showed no modal window";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    static QStringList entries(QDialog *dialog)
    {
        return items(dialog->findChild<QListWidget *>(u"filLoadChar"_s));
    }

    static void pick(QDialog *dialog, const QString &name)
    {
        doubleClickItem(dialog->findChild<QListWidget *>(u"filLoadChar"_s), name);
    }

    void expectLastRowSelected()
    {
        for (const char *name : ListNames)
            EXPECT_EQ(selectedRow(list(name)), 2) << name;
        EXPECT_EQ(text("lblPriceGuideName"), u"Nell (T)"_s);
    }
};

} // namespace

TEST_F(TallyFiles, SavedTalliesLoadBackThroughThePickers)
{
    setCounts(globals->army, texts({"0", "2", "11"}));
    box("txtArmyName")->setText(u"army1"_s);
    trigger("mnuSaveArmy");
    EXPECT_EQ(fileBytes(u"army1.sav"_s), TallyFile::encode(texts({"0", "2", "11"})));
    expectLastRowSelected();
    EXPECT_EQ(column("lstArmy"), texts({"0", "2", "11"}));

    // Only lower-case ".sav" files are listed, the hidden ".sav" of an empty name included.
    for (const QString &name : {u".sav"_s, u"OLD.SAV"_s, u"notes.txt"_s, u"x.sav.bak"_s})
        writeFile(name, TallyFile::encode({u"3"_s}));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.sav"_s));
    withPicker("mnuLoadCollection", [](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), u"frmLoadCollection"_s);
        EXPECT_EQ(dialog->windowTitle(), u"Pick a collection to load please"_s);
        EXPECT_EQ(dialog->size(), QSize(237, 213));
        EXPECT_EQ(entries(dialog), (QStringList{u".sav"_s, u"army1.sav"_s}));
        pick(dialog, u"army1.sav"_s);
    });
    EXPECT_EQ(box("txtCollectionName")->text(), u"army1"_s);
    EXPECT_EQ(column("lstCollection"), (QStringList{padded("0"), padded("2"), padded("11")}));
    EXPECT_EQ(totals("Collection"), texts({"13", "380", "1"}));

    // The army picker, and what a load leaves as the name: the empty name of ".sav".
    withPicker("mnuLoadArmy", [](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), u"frmLoadArmy"_s);
        EXPECT_EQ(dialog->windowTitle(), u"Pick an Army  to load please"_s);
        pick(dialog, u".sav"_s);
    });
    EXPECT_TRUE(box("txtArmyName")->text().isEmpty());
    EXPECT_EQ(column("lstArmy"), (QStringList{padded("3"), u"0"_s, u"0"_s}));
    EXPECT_EQ(totals("Army"), texts({"3", "30", "6"}));
    expectLastRowSelected();

    // Saving what was loaded writes the same records again.
    box("txtCollectionName")->setText(u"again"_s);
    trigger("mnuSaveCollection");
    EXPECT_EQ(fileBytes(u"again.sav"_s), fileBytes(u"army1.sav"_s));
}

TEST_F(TallyFiles, OopsClosesThePickerAndANewFileShowsNextTime)
{
    withPicker("mnuLoadArmy", [](QDialog *dialog) {
        EXPECT_TRUE(entries(dialog).isEmpty());
        EXPECT_EQ(dialog->findChild<QPushButton *>(u"cmdOoops"_s)->text(), u"Oops, don't load"_s);
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"cmdOoops"_s), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    });
    box("txtArmyName")->setText(u"fresh"_s);
    trigger("mnuSaveArmy");
    box("txtArmyName")->clear();
    withPicker("mnuLoadArmy", [](QDialog *dialog) {
        EXPECT_EQ(entries(dialog), QStringList{u"fresh.sav"_s});
        dialog->findChild<QPushButton *>(u"cmdOoops"_s)->click();
    });
    EXPECT_TRUE(box("txtArmyName")->text().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TallyFiles, FailuresSayWhyAndChangeNothing)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"blocked.sav"_s));
    writeFile(u"cut.sav"_s, TallyFile::encode(texts({"1", "2", "3"})).chopped(10));
    writeFile(u"huge.sav"_s, TallyFile::encode(texts({"40000", "0", "0"})));
    setCounts(globals->army, texts({"1", "0", "0"}));
    globals->army.totals = Totals{1, 10, 2};
    setCounts(globals->collection, texts({"5", "0", "0"}));
    main->selectRow(1);
    // clang-format off
    const std::pair<const char *, QString> cases[] = {
        {"mnuSaveArmy", u"no/such/folder"_s}, {"mnuSaveArmy", u"blocked"_s},
        {"mnuLoadArmy", u"missing"_s},        {"mnuLoadArmy", u"cut"_s},
        {"mnuLoadArmy", u"huge"_s},           {"mnuAddArmyCollection", u"missing"_s},
        {"mnuAddArmyCollection", u"huge"_s}};
    // clang-format on
    for (const auto &[command, name] : cases) {
        messages.clear();
        box("txtArmyName")->setText(name);
        if (qstrcmp(command, "mnuLoadArmy") == 0)
            main->LoadArmy(); // as a pick of that name would
        else
            trigger(command);
        ASSERT_EQ(messages.size(), 1) << command << " " << name.toStdString();
        EXPECT_TRUE(messages.front().text.contains(name + u".sav"_s))
            << messages.front().text.toStdString();
        EXPECT_EQ(column("lstArmy"), texts({"1", "0", "0"}));
        EXPECT_EQ(globals->army.totals, (Totals{1, 10, 2}));
        EXPECT_EQ(column("lstCollection"), texts({"5", "0", "0"}));
        EXPECT_EQ(main->selectedRow(), 1);
    }
    EXPECT_TRUE(QFileInfo(m_dir.filePath(u"blocked.sav"_s)).isDir());
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"missing.sav"_s)));
}

TEST_F(TallyFiles, AddArmyAddsTheSavedArmyNotTheOneOnScreen)
{
    setCounts(globals->army, texts({"0", "2", "11"}));
    box("txtArmyName")->setText(u"raid"_s);
    trigger("mnuSaveArmy");
    setCounts(globals->army, texts({"9", "9", "9"}));

    writeFile(u"mine.sav"_s, TallyFile::encode(texts({"1", "0", "4"})));
    box("txtCollectionName")->setText(u"mine"_s);
    main->LoadCollection();
    EXPECT_EQ(totals("Collection"), texts({"5", "130", "2"}));

    trigger("mnuAddArmyCollection");
    EXPECT_EQ(column("lstCollection"), (QStringList{padded("1"), padded("2"), padded("15")}));
    EXPECT_EQ(totals("Collection"), texts({"18", "510", "3"}));
    expectLastRowSelected();
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(column("lstCollection"), (QStringList{padded("1"), padded("4"), padded("26")}));
    EXPECT_EQ(totals("Collection"), texts({"31", "890", "4"}));
    EXPECT_EQ(column("lstArmy"), texts({"9", "9", "9"}));
    EXPECT_EQ(box("txtArmyName")->text(), u"raid"_s);
}
