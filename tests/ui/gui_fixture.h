// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/army_plan.h"
#include "document/mod_globals.h"
#include "test_support.h"
#include "ui/frm_main.h"
#include "ui/frm_world_pick.h"
#include "ui/messages.h"
#include "ui/report_commands.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// A catalogue whose texts tell their row: id "u<row>", name "Unit <row>", strengths cycling
// Weak, Standard, Tough, Unique, rarity "LE" every seventh row, factions "F<row % 5>",
// points row + 1.
QByteArray numberedCatalogue(int units);

// The column lists' names, left to right.
inline const char *const ListNames[8] = {"lstUnitId",     "lstUnits",  "lstStr",
                                         "lstFaction",    "lstRarity", "lstPointValue",
                                         "lstCollection", "lstArmy"};

QStringList texts(std::initializer_list<const char *> items);

// Runs the disabled test `name` of this test program in a child process with `environment`
// added (and ROSTERMERE_CHILD set); returns what it printed when it failed, else an empty text.
QString failureOfChild(const char *name, const QStringList &environment);

// Runs each test in a fresh working folder of its own, with messages collected instead of shown.
class GuiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid() && m_state.isValid());
        // Recovery copies go to a folder of the test's own, never to the machine's.
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_state.path()));
        m_previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        m_previousHandler = Messages::setHandler(
            [this](QWidget *, const Messages::Message &message) { messages.append(message); });
    }

    void TearDown() override
    {
        endSession();
        document.reset();
        globals = nullptr;
        Messages::setHandler(std::move(m_previousHandler));
        QDir::setCurrent(m_previousDir);
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QByteArray fileBytes(const QString &name) const
    {
        QFile file(QDir::isAbsolutePath(name) ? name : m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Ends the session in the order main() does: the copy made current and a printout under way
    // sent, then the windows go.
    void endSession()
    {
        if (main)
            main->prepareToEnd();
        picker.reset();
        main.reset();
    }

    // Creates the windows and runs the start-up as the program does; `hidePicker` puts the
    // ruleset picker away, as the user does before counting. Recovery copies the windows before
    // left are gone, as on a fresh machine, unless `keepCopies` is set.
    void start(bool hidePicker = false)
    {
        endSession();
        if (!keepCopies)
            QDir(m_state.path()).removeRecursively();
        document = std::make_unique<TallyDocument>();
        globals = &document->data();
        main = std::make_unique<frmMain>(*document);
        // Checks the model's answers on every change it announces; owned by the model.
        for (QAbstractItemModel *model :
             {static_cast<QAbstractItemModel *>(main->model()), list("lstUnits")->model()})
            new QAbstractItemModelTester(
                model, QAbstractItemModelTester::FailureReportingMode::Fatal, model);
        picker = std::make_unique<frmWorldPick>(*main);
        picker->Form_Load();
        picker->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(picker.get()));
        if (hidePicker)
            picker->hide();
    }

    QListView *list(const char *name) const { return find<QListView>(main.get(), name); }

    // The first row the list shows.
    static int topRow(QListView *view) { return view->indexAt(QPoint(2, 2)).row(); }

    static QString rowText(QListView *view, int row)
    {
        return view->model()->index(row, view->modelColumn()).data().toString();
    }

    QStringList column(const char *name) const
    {
        QStringList texts;
        for (int row = 0; row < list(name)->model()->rowCount(); ++row)
            texts.append(rowText(list(name), row));
        return texts;
    }

    // Every list has `selected` as its one selected row (-1: none) and the same top row, and
    // shows the selected row unless scrolled away from it; none of it depends on the font's
    // row height.
    void expectAligned(int selected, bool scrolledAway = false) const
    {
        QCoreApplication::processEvents(); // lets the lists lay out their rows
        for (const char *name : ListNames) {
            QListView *view = list(name);
            const QModelIndexList rows = view->selectionModel()->selectedRows(view->modelColumn());
            EXPECT_EQ(rows.size() == 1 ? rows.front().row() : -1, selected) << name;
            EXPECT_EQ(topRow(view), topRow(list("lstUnits"))) << name;
            const int middle =
                view->visualRect(view->model()->index(selected, view->modelColumn())).center().y();
            EXPECT_TRUE(selected < 0 || scrolledAway ||
                        (middle >= 0 && middle < view->viewport()->height()))
                << name << " does not show row " << selected;
        }
    }

    // Scrolls `row` into view and clicks it, as the user would; a double-click is a click
    // followed by the double-click event.
    static void clickRow(QListView *view, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QModelIndex index = view->model()->index(row, view->modelColumn());
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), button, Qt::NoModifier,
                          view->visualRect(index).center());
    }

    static void doubleClickRow(QListView *view, int row)
    {
        clickRow(view, row);
        QTest::mouseDClick(
            view->viewport(), Qt::LeftButton, Qt::NoModifier,
            view->visualRect(view->model()->index(row, view->modelColumn())).center());
    }

    // The entries of a file list, and a double-click on one of them.
    static QStringList items(QListWidget *files)
    {
        QStringList names;
        for (int i = 0; i < files->count(); ++i)
            names.append(files->item(i)->text());
        return names;
    }

    static void doubleClickItem(QListWidget *files, const QString &name)
    {
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        const QPoint at = files->visualItemRect(found.front()).center();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    void trigger(const char *action) const
    {
        find<QAction>(main.get(), action)->trigger();
        settle();
    }
    // What the window does off its thread (report files, the plan's army files) is done, and
    // the window has heard of it.
    void settle() const
    {
        if (auto *reports = main->findChild<ReportCommands *>())
            reports->waitUntilWritten();
        if (auto *plan = main->findChild<ArmyPlan *>())
            plan->waitUntilRead();
    }

    // Chooses `menuItem`, hands the modal window it shows to `answer`, and closes that window
    // if `answer` left it open, so that no test waits on it; returns whether one was shown.
    bool answerModal(const char *menuItem, const std::function<void(QDialog *)> &answer)
    {
        bool seen = false;
        QTimer::singleShot(0, main.get(), [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            seen = dialog != nullptr && dialog->isModal();
            if (dialog == nullptr)
                return;
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        trigger(menuItem);
        return seen;
    }

    // A label's, box's, group's or menu item's caption, in the main window or the picker.
    QString text(const char *control) const
    {
        QObject *object = find<QObject>(main.get(), control);
        if (object == nullptr)
            object = find<QObject>(picker.get(), control);
        if (object == nullptr)
            return QStringLiteral("<no control %1>").arg(QLatin1String(control));
        return object->property(qobject_cast<QGroupBox *>(object) ? "title" : "text").toString();
    }

    // "Army" or "Collection": the figure, point and money labels.
    QStringList totals(const char *tally) const
    {
        QStringList texts;
        for (const char *total : {"Number", "Value", "Price"})
            texts.append(text(("lbl" + QByteArray(tally) + total).constData()));
        return texts;
    }

    // "Army" or "Collection" as "counts | figures points money", the counts as their column
    // shows them; a count padded to a whole tally file record ends in "_".
    QString shown(const char *tally) const
    {
        QStringList counts = column(qstrcmp(tally, "Army") == 0 ? "lstArmy" : "lstCollection");
        for (QString &count : counts)
            if (count.size() == 30)
                count = count.trimmed() + u'_';
        return counts.join(u' ') + QStringLiteral(" | ") + totals(tally).join(u' ');
    }

    // Runs the event loop with `action` queued and returns the exit code, or 2 when nothing
    // ended the loop within five seconds.
    static int execWith(const std::function<void()> &action)
    {
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
        giveUp.start(5000);
        QTimer::singleShot(0, qApp, action);
        return QApplication::exec();
    }

    template <typename T> static T *find(QWidget *window, const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    QTemporaryDir m_dir, m_state;
    bool keepCopies = false;
    QString m_previousDir;
    Messages::Handler m_previousHandler;
    QList<Messages::Message> messages;

    // The document outlives the windows, as in the program.
    std::unique_ptr<TallyDocument> document;
    const modGlobals *globals = nullptr;
    std::unique_ptr<frmMain> main;
    std::unique_ptr<frmWorldPick> picker;
};
