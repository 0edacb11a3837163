#include "gui_fixture.h"

#include "tally_files/tally_file.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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

    void trigger(const char *action)
    {
        main->findChild<QAction *>(QLatin1String(action))->trigger();
    }

    QLineEdit *box(const char *name) { return find<QLineEdit>(main.get(), name); }

    QStringList labels(const char *tally)
    {
        QStringList texts;
        for (const QString &total : {u"Number"_s, u"Value"_s, u"Price"_s})
            texts.append(
                main->findChild<QLabel *>(u"lbl"_s + QLatin1String(tally) + total)->text());
        return texts;
    }

    QByteArray fileBytes(const QString &name)
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs `menuItem` and, once its picker is up, hands the picker to `use`.
    void withPicker(const char *menuItem, const std::function<void(QDialog *)> &use)
    {
        bool seen = false;
        QTimer::singleShot(0, main.get(), [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            seen = dialog != nullptr;
            if (dialog == nullptr)
                return;
            use(dialog);
            if (dialog->isVisible())
                dialog->reject(); // never leave a test waiting on a modal window
        });
        trigger(menuItem);
        EXPECT_TRUE(seen) << menuItem << " showed no modal window";
    }

    static QStringList entries(QDialog *dialog)
    {
        auto *files = dialog->findChild<QListWidget *>(u"filLoadChar"_s);
        QStringList names;
        for (int i = 0; i < files->count(); ++i)
            names.append(files->item(i)->text());
        return names;
    }

    static void pick(QDialog *dialog, const QString &name)
    {
        auto *files = dialog->findChild<QListWidget *>(u"filLoadChar"_s);
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        const QPoint at = files->visualItemRect(found.front()).center();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    void expectLastRowSelected()
    {
        for (const char *name : ListNames)
            EXPECT_EQ(selectedRow(list(name)), 2) << name;
        EXPECT_EQ(find<QLabel>(main.get(), "lblPriceGuideName")->text(), u"Nell (T)"_s);
    }
};

} // namespace

TEST_F(TallyFiles, SaveArmyWritesTheCountColumnAndSelectsTheLastRow)
{
    setCounts(globals->army, {u"0"_s, u"2"_s, u"11"_s});
    box("txtArmyName")->setText(u"army1"_s);
    trigger("mnuSaveArmy");
    EXPECT_EQ(fileBytes(u"army1.sav"_s), TallyFile::encode({u"0"_s, u"2"_s, u"11"_s}));
    EXPECT_EQ(fileBytes(u"army1.sav"_s).size(), 92);
    expectLastRowSelected();
    EXPECT_EQ(rowText(list("lstArmy"), 2), u"11"_s);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TallyFiles, SaveCollectionReplacesAnArmyFileOfTheSameName)
{
    writeFile(u"shared.sav"_s, TallyFile::encode({u"5"_s, u"5"_s, u"5"_s, u"5"_s, u"5"_s}));
    setCounts(globals->collection, {u"1"_s, u"0"_s, u"4"_s});
    box("txtCollectionName")->setText(u"shared"_s);
    trigger("mnuSaveCollection");
    EXPECT_EQ(fileBytes(u"shared.sav"_s), TallyFile::encode({u"1"_s, u"0"_s, u"4"_s}));
}

TEST_F(TallyFiles, FailedSaveSaysWhyAndChangesNothing)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"blocked.sav"_s));
    setCounts(globals->army, {u"0"_s, u"2"_s, u"11"_s});
    main->selectRow(0);
    for (const QString &name : {u"no/such/folder"_s, u"blocked"_s}) {
        messages.clear();
        box("txtArmyName")->setText(name);
        trigger("mnuSaveArmy");
        ASSERT_EQ(messages.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages.front().text.contains(name + u".sav"_s))
            << messages.front().text.toStdString();
        EXPECT_EQ(main->selectedRow(), 0);
    }
    EXPECT_TRUE(QFileInfo(m_dir.filePath(u"blocked.sav"_s)).isDir());
}

TEST_F(TallyFiles, PickerIsModalAndListsSavedTalliesOnly)
{
    for (const QString &name : {u"army1.sav"_s, u".sav"_s, u"OLD.SAV"_s, u"notes.txt"_s,
                                u"x.sav.bak"_s})
        writeFile(name, TallyFile::encode({u"1"_s}));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.sav"_s));
    withPicker("mnuLoadArmy", [](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), u"frmLoadArmy"_s);
        EXPECT_EQ(dialog->windowTitle(), u"Pick an Army  to load please"_s);
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->size(), QSize(237, 213));
        EXPECT_EQ(dialog->findChild<QPushButton *>(u"cmdOoops"_s)->text(), u"Oops, don't load"_s);
        EXPECT_EQ(entries(dialog), (QStringList{u".sav"_s, u"army1.sav"_s}));
    });
    withPicker("mnuLoadCollection", [](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), u"frmLoadCollection"_s);
        EXPECT_EQ(dialog->windowTitle(), u"Pick a collection to load please"_s);
    });
}

TEST_F(TallyFiles, PickingAnArmyFillsTheNameBoxAndLoadsIt)
{
    writeFile(u"army1.sav"_s, TallyFile::encode({u"0"_s, u"2"_s, u"11"_s}));
    withPicker("mnuLoadArmy", [](QDialog *dialog) { pick(dialog, u"army1.sav"_s); });
    EXPECT_EQ(box("txtArmyName")->text(), u"army1"_s);
    EXPECT_EQ(globals->army.counts, (QStringList{padded("0"), padded("2"), padded("11")}));
    EXPECT_EQ(labels("Army"), (QStringList{u"13"_s, u"380"_s, u"1"_s}));
    EXPECT_EQ(labels("Collection"), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    expectLastRowSelected();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TallyFiles, OopsClosesThePickerWithoutLoading)
{
    writeFile(u"army1.sav"_s, TallyFile::encode({u"0"_s, u"2"_s, u"11"_s}));
    bool closed = false;
    withPicker("mnuLoadCollection", [&closed](QDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"cmdOoops"_s), Qt::LeftButton);
        closed = !dialog->isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(box("txtCollectionName")->text().isEmpty());
    EXPECT_EQ(globals->collection.counts, (QStringList{u"0"_s, u"0"_s, u"0"_s}));
}

TEST_F(TallyFiles, AFileSavedAMomentAgoIsListedNextTime)
{
    withPicker("mnuLoadArmy", [](QDialog *dialog) { EXPECT_TRUE(entries(dialog).isEmpty()); });
    box("txtArmyName")->setText(u"fresh"_s);
    trigger("mnuSaveArmy");
    withPicker("mnuLoadArmy",
               [](QDialog *dialog) { EXPECT_EQ(entries(dialog), QStringList{u"fresh.sav"_s}); });
}

TEST_F(TallyFiles, EmptyNameSavesDotSavWhichLoadsBackAsTheEmptyName)
{
    setCounts(globals->collection, {u"3"_s, u"0"_s, u"0"_s});
    trigger("mnuSaveCollection");
    EXPECT_EQ(fileBytes(u".sav"_s).size(), 92);
    box("txtArmyName")->setText(u"something"_s);
    withPicker("mnuLoadArmy", [](QDialog *dialog) { pick(dialog, u".sav"_s); });
    EXPECT_TRUE(box("txtArmyName")->text().isEmpty());
    EXPECT_EQ(globals->army.counts.front(), padded("3"));
}

TEST_F(TallyFiles, ArmyAndCollectionFilesAreInterchangeable)
{
    setCounts(globals->collection, {u"1"_s, u"0"_s, u"4"_s});
    box("txtCollectionName")->setText(u"spring"_s);
    trigger("mnuSaveCollection");
    box("txtArmyName")->setText(u"spring"_s);
    main->LoadArmy();
    EXPECT_EQ(globals->army.counts, (QStringList{padded("1"), padded("0"), padded("4")}));

    // Saving what was loaded writes the same records again.
    box("txtArmyName")->setText(u"again"_s);
    trigger("mnuSaveArmy");
    EXPECT_EQ(fileBytes(u"again.sav"_s), fileBytes(u"spring.sav"_s));
}

TEST_F(TallyFiles, LoadReplacesTheWholeTally)
{
    setCounts(globals->army, {u"5"_s, u"5"_s, u"5"_s});
    writeFile(u"short.sav"_s, TallyFile::encode({u"2"_s}));
    box("txtArmyName")->setText(u"short"_s);
    main->LoadArmy();
    EXPECT_EQ(globals->army.counts, (QStringList{padded("2"), u"0"_s, u"0"_s}));
    EXPECT_EQ(labels("Army"), (QStringList{u"2"_s, u"20"_s, u"4"_s}));
}

TEST_F(TallyFiles, BrokenOrMissingFilesChangeNothing)
{
    writeFile(u"cut.sav"_s, TallyFile::encode({u"1"_s, u"2"_s, u"3"_s}).chopped(10));
    writeFile(u"huge.sav"_s, TallyFile::encode({u"40000"_s, u"0"_s, u"0"_s}));
    setCounts(globals->army, {u"1"_s, u"0"_s, u"0"_s});
    globals->army.totals = Totals{1, 10, 2};
    main->selectRow(1);
    for (const QString &name : {u"missing"_s, u"cut"_s, u"huge"_s}) {
        messages.clear();
        box("txtArmyName")->setText(name);
        main->LoadArmy();
        ASSERT_EQ(messages.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages.front().text.contains(name + u".sav"_s))
            << messages.front().text.toStdString();
        EXPECT_EQ(globals->army.counts, (QStringList{u"1"_s, u"0"_s, u"0"_s}));
        EXPECT_EQ(globals->army.totals, (Totals{1, 10, 2}));
        EXPECT_EQ(main->selectedRow(), 1);
    }
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"missing.sav"_s)));
}

TEST_F(TallyFiles, AddArmyAddsTheSavedArmyNotTheOneOnScreen)
{
    setCounts(globals->army, {u"0"_s, u"2"_s, u"11"_s});
    box("txtArmyName")->setText(u"raid"_s);
    trigger("mnuSaveArmy");
    setCounts(globals->army, {u"9"_s, u"9"_s, u"9"_s});

    writeFile(u"mine.sav"_s, TallyFile::encode({u"1"_s, u"0"_s, u"4"_s}));
    box("txtCollectionName")->setText(u"mine"_s);
    main->LoadCollection();
    EXPECT_EQ(labels("Collection"), (QStringList{u"5"_s, u"130"_s, u"2"_s}));

    trigger("mnuAddArmyCollection");
    EXPECT_EQ(globals->collection.counts, (QStringList{padded("1"), padded("2"), padded("15")}));
    EXPECT_EQ(labels("Collection"), (QStringList{u"18"_s, u"510"_s, u"3"_s}));
    expectLastRowSelected();
    trigger("mnuAddArmyCollection");
    EXPECT_EQ(globals->collection.counts, (QStringList{padded("1"), padded("4"), padded("26")}));
    EXPECT_EQ(labels("Collection"), (QStringList{u"31"_s, u"890"_s, u"4"_s}));
    EXPECT_EQ(globals->army.counts, (QStringList{u"9"_s, u"9"_s, u"9"_s}));
    EXPECT_EQ(box("txtArmyName")->text(), u"raid"_s);
}

TEST_F(TallyFiles, AddingAnArmyThatIsNotSavedChangesNothing)
{
    box("txtArmyName")->setText(u"never saved"_s);
    trigger("mnuAddArmyCollection");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().text.contains(u"never saved.sav"_s));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"never saved.sav"_s)));
    EXPECT_EQ(globals->collection.counts, (QStringList{u"0"_s, u"0"_s, u"0"_s}));
}
