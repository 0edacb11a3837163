// SPDX-License-Identifier: GPL-3.0-or-later
// Times the real windows offscreen at full size and on an empty catalogue, in one run:
//   rostermere_bench [RUNS]
// Each data set runs in a child process of its own (rostermere_bench --child FOLDER RUNS), so
// that its peak memory is its own. Prints a table of medians in milliseconds and each
// full-size figure as a ratio to the empty one.
#include "bench_data.h"
#include "bench_goals.h"

#include "catalogue/catalogue_file.h"
#include "catalogue/price_guide.h"
#include "common/heap_policy.h"
#include "document/army_plan.h"
#include "tally_files/tally_file.h"
#include "ui/csv_commands.h"
#include "ui/frm_main.h"
#include "ui/frm_world_pick.h"
#include "ui/messages.h"
#include "ui/plan_armies_window.h"
#include "ui/print_job.h"
#include "ui/report_commands.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QMenu>
#include <QPrinterInfo>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using Figures = QList<std::pair<QString, double>>;

// The median time of `runs` runs of `step`, with `prepare` run untimed before each.
double medianMs(
    int runs, const std::function<void()> &step, const std::function<void()> &prepare = [] {})
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

QByteArray readAll(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The system's monotonic clock, which a parent and its child read alike.
qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Notes when the catalogue's names list first paints with rows in it, once that paint and
// the rest of the window's paint in the same pass are done.
class FirstFilledPaint : public QObject
{
public:
    qint64 paintedNs = 0;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && object->parent() &&
            object->parent()->objectName() == QLatin1String("lstUnits")) {
            const auto *view = static_cast<QListView *>(object->parent());
            if (view->model() && view->model()->rowCount() > 0) {
                m_seen = true;
                QTimer::singleShot(0, this, [this] { paintedNs = monotonicNs(); });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

// The user's side of the program: windows started as main() starts them, menu items by name.
struct Session
{
    TallyDocument document;
    const modGlobals &globals = document.data();
    frmMain main{document};
    frmWorldPick picker{main};

    Session()
    {
        picker.Form_Load();
        picker.show();
        if (!QTest::qWaitForWindowExposed(&main))
            qFatal("the main window was not shown");
        picker.hide();
    }
    void trigger(const char *action)
    {
        main.findChild<QAction *>(QLatin1String(action))->trigger();
    }
    void name(const char *box, const char *text)
    {
        main.findChild<QLineEdit *>(QLatin1String(box))->setText(QLatin1String(text));
    }
};

// The reports list every unit: the collection counts one of each, with the summary.
void listEveryUnit(Session &s)
{
    Tally everyUnit{QStringList(s.globals.catalogue.size(), QStringLiteral("1")),
                    s.globals.collection.totals};
    s.main.document().replaceTally(WhichTally::Collection, std::move(everyUnit),
                                   QStringLiteral("every unit"));
    s.trigger("mnuIncludeSummary");
    s.name("txtCollectionName", "report");
}

// Start-up from the process's start (the parent's time just before it started this process)
// to the first paint of the filled lists, then every command as a user would run them: both
// tallies loaded at full size, an undo history of 100 steps with 10 full-size loads, the
// reports and a reload. Prints the start-up time and the peak memory of the whole session.
int startAndUseOnce(const QElapsedTimer &sinceMain)
{
    FirstFilledPaint firstPaint;
    qApp->installEventFilter(&firstPaint);
    Session s;
    // The earlier rounds' measure, kept for comparison: from main to the shown window.
    const double fromMain = double(sinceMain.nsecsElapsed()) / 1e6;
    if (!QTest::qWaitFor([&] { return firstPaint.paintedNs != 0; }, 10000))
        qFatal("the filled lists were not painted");
    qApp->removeEventFilter(&firstPaint);
    const double startUp =
        double(firstPaint.paintedNs - qgetenv("ROSTERMERE_BENCH_EXEC_NS").toLongLong()) / 1e6;
    s.name("txtArmyName", "army");
    s.name("txtCollectionName", "collection");
    s.main.LoadArmy();
    s.main.LoadCollection();
    s.trigger("mnuAddArmyCollection");
    s.trigger("mnuSaveArmy");
    // Ten loads, each file into the other tally's place in turn, and counted figures up to
    // the history's 100 steps.
    for (int load = 0; load < 10; ++load) {
        s.name("txtArmyName", load % 2 ? "army" : "collection");
        s.main.LoadArmy();
    }
    for (int row = 0; s.main.document().undoStack()->count() < 100; ++row)
        s.main.document().countFigure(WhichTally::Army, row % s.globals.catalogue.size(),
                                      Step::Add);
    s.name("txtArmyName", "army");
    listEveryUnit(s);
    for (const char *report :
         {"mnuPrintCollectionToFile", "mnuPrintCollectionHtml", "mnuPrintCollectionToPrinter"})
        s.trigger(report);
    if (!QTest::qWaitFor([&] { return !s.main.findChild<PrintJob *>()->isRunning(); }, 60000))
        qFatal("the printout did not end");
    s.main.findChild<ReportCommands *>()->waitUntilWritten();
    s.main.LoadUnits();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("start-up\t%.4f\nmemory\t%.4f\nfrom main\t%.4f\n", startUp,
                usage.ru_maxrss / 1024.0, fromMain);
    return 0;
}

// Print Collection To Printer: the window's wait for the command, the job's time until the
// print system has it, and the longest gap between two paints of the window meanwhile, while
// a timer asks it to repaint every 5 ms as a user's scrolling would.
void measurePrinting(Session &s, int runs, Figures &figures)
{
    PrintJob *job = s.main.findChild<PrintJob *>();
    QList<double> commands;
    QList<double> jobs;
    QList<double> gaps;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &s.main, [&s] { s.main.update(); });
    struct PaintTimes : QObject
    {
        QList<qint64> at;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                at.append(monotonicNs());
            return false;
        }
    } paints;
    s.main.installEventFilter(&paints);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        paints.at = {monotonicNs()};
        ticks.start(5);
        timer.start();
        s.trigger("mnuPrintCollectionToPrinter");
        QCoreApplication::processEvents();
        s.main.repaint();
        commands.append(double(timer.nsecsElapsed()) / 1e6);
        if (!QTest::qWaitFor([job] { return !job->isRunning(); }, 120000))
            qFatal("the printout did not end");
        jobs.append(double(timer.nsecsElapsed()) / 1e6);
        ticks.stop();
        paints.at.append(monotonicNs());
        qint64 gap = 0;
        for (qsizetype i = 1; i < paints.at.size(); ++i)
            gap = std::max(gap, paints.at[i] - paints.at[i - 1]);
        gaps.append(double(gap) / 1e6);
    }
    s.main.removeEventFilter(&paints);
    const auto median = [](QList<double> values) {
        std::sort(values.begin(), values.end());
        return values.at(values.size() / 2);
    };
    figures.append({QStringLiteral("Print Collection To Printer, the command"), median(commands)});
    figures.append(
        {QStringLiteral("Print Collection To Printer, until the job is sent"), median(jobs)});
    figures.append({QStringLiteral("Longest gap between paints while printing"), median(gaps)});
}

Figures measure(int runs)
{
    Figures figures;
    QStringList messages;
    Messages::setHandler([&messages](QWidget *, const Messages::Message &message) {
        messages.append(message.text);
    });

    const QByteArray catalogue = readAll(CatalogueFileName);
    const QByteArray guide = readAll(PriceGuideFileName);
    // The reads keep their result, so that freeing it is not part of their time.
    const auto reading = [&](const QString &what, const QByteArray &file, auto &result,
                             auto parse) {
        const double ms = medianMs(
            runs, [&] { result = parse(file); }, [&] { result = {}; });
        figures.append({QStringLiteral("Reading the ") + what, ms});
        figures.append({QStringLiteral("Reading the %1, MB/s of file").arg(what),
                        file.size() / 1e3 / std::max(ms, 1e-3)});
    };
    CatalogueLoad read;
    reading(QStringLiteral("catalogue"), catalogue, read, parseCatalogue);
    UnitCatalogue &units = read.catalogue;
    PriceGuideLoad prices;
    reading(QStringLiteral("price guide"), guide, prices, parsePriceGuide);
    for (const qsizetype part : {guide.size() / 2, guide.size()}) {
        const QByteArray piece = guide.left(part);
        const double apply = medianMs(
            runs,
            [&] {
                prices = parsePriceGuide(piece);
                applyPrices(units, prices.prices);
            },
            [&] { prices = {}; });
        figures.append({part == guide.size() ? QStringLiteral("Applying the price guide")
                                             : QStringLiteral("Applying the guide's first half"),
                        apply});
    }

    Session s;
    // As the user waits: the command and what it left for the event loop, which lays out and
    // paints what the command changed, as the window does when the user gives a command.
    // (Until this round the whole window was painted again after each command as well: 1 to
    // 4 ms of frames, labels and buttons that no command changes, timed on its own below.)
    const auto repainted = [](const std::function<void()> &command) {
        return [command] {
            command();
            QCoreApplication::processEvents();
        };
    };
    figures.append({QStringLiteral("Painting the whole window, no command"),
                    medianMs(runs, [&s] { s.main.repaint(); })});
    QListView *names = s.main.findChild<QListView *>(QStringLiteral("lstUnits"));
    QListView *owned = s.main.findChild<QListView *>(QStringLiteral("lstCollection"));
    // On the last row the list shows, of every unit or of those a choice shows.
    const auto doubleClick = [](QListView *view) {
        const QModelIndex index =
            view->model()->index(view->model()->rowCount() - 1, view->modelColumn());
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    };
    // Counting one in and one out again keeps the totals where they were.
    figures.append(
        {QStringLiteral("Counting double-click on the last row"),
         medianMs(runs, repainted([&] { doubleClick(names); }), [&] { doubleClick(owned); })});
    // The same while the recovery copy of the counted tallies is being written: the keeper
    // starts its write on a thread of its own a second after the change before.
    figures.append({QStringLiteral("Counting double-click while the copy is written"),
                    medianMs(runs, repainted([&] { doubleClick(names); }), [&] {
                        doubleClick(owned);
                        QTest::qWait(1005);
                    })});

    // Showing only what the army lacks, of an army of 328 units of which the collection
    // holds half, and counting while the rest is hidden: the status bar adds up what is lacking
    // after every count.
    {
        Tally army{QStringList(s.globals.catalogue.size(), QStringLiteral("0")), {}};
        Tally held{army};
        for (int row = 0; row < army.counts.size(); row += 100)
            army.counts[row] = QStringLiteral("2"), held.counts[row] = QStringLiteral("1");
        s.main.document().replaceTally(WhichTally::Army, std::move(army), QStringLiteral("army"));
        s.main.document().replaceTally(WhichTally::Collection, std::move(held),
                                       QStringLiteral("owned"));
        QAction *lacking = s.main.findChild<QMenu *>(QStringLiteral("mnuShow"))->actions().at(3);
        QAction *all = s.main.findChild<QMenu *>(QStringLiteral("mnuShow"))->actions().at(0);
        figures.append(
            {QStringLiteral("Showing what the army lacks, from all units"),
             medianMs(runs, repainted([&] { lacking->trigger(); }), [&] { all->trigger(); })});
        lacking->trigger();
        figures.append(
            {QStringLiteral("Counting double-click while units are hidden"),
             medianMs(runs, repainted([&] { doubleClick(names); }), [&] { doubleClick(owned); })});
        all->trigger();
        s.main.document().undoStack()->undo();
        s.main.document().undoStack()->undo();
    }

    // Twenty army files of the folder, each counting 2 of every twentieth unit, opened in the
    // plan window (each open reads them anew, as files changed on disk are) and then planned
    // together with the window open: a counted figure updates what they lack.
    {
        const int rows = s.globals.catalogue.size();
        QStringList armies;
        for (int army = 0; army < 20; ++army) {
            QStringList counts(rows, QStringLiteral("0"));
            for (int row = army; row < rows; row += 20)
                counts[row] = QStringLiteral("2");
            armies.append(QStringLiteral("plan%1.sav").arg(army));
            QFile file(armies.back());
            if (!file.open(QIODevice::WriteOnly) || !file.write(TallyFile::encode(counts)))
                qFatal("an army file could not be written");
        }
        QAction *plan = s.main.findChild<QAction *>(QStringLiteral("actPlanArmies"));
        int opened = 0;
        const auto window = [&s] { return s.main.findChild<PlanArmiesWindow *>(); };
        const auto planned = [&s] { s.main.findChild<ArmyPlan *>()->waitUntilRead(); };
        // The window opens at once and plans the files once they are read off its thread.
        const auto touchFiles = [&] {
            if (window())
                window()->hide();
            planned();
            const QDateTime changed = QDateTime::currentDateTime().addSecs(++opened);
            for (const QString &army : armies) {
                QFile file(army);
                if (!file.open(QIODevice::ReadWrite) ||
                    !file.setFileTime(changed, QFileDevice::FileModificationTime))
                    qFatal("an army file could not be touched");
            }
        };
        const auto open = [&] {
            plan->trigger();
            QCoreApplication::processEvents();
            window()->repaint();
        };
        figures.append({QStringLiteral("Opening Plan Armies on 20 army files"),
                        medianMs(runs, open, touchFiles)});
        figures.append({QStringLiteral("Opening Plan Armies, until the 20 files are planned"),
                        medianMs(
                            runs,
                            [&] {
                                open();
                                planned();
                                QCoreApplication::processEvents();
                            },
                            touchFiles)});
        auto *table = window()->findChild<QTableWidget *>(QStringLiteral("tblArmies"));
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text().startsWith(u"plan"))
                table->item(row, 0)->setCheckState(Qt::Checked);
        // The plan window paints what the count changed when the events are processed, as
        // the user sees it; the main window is painted whole.
        figures.append(
            {QStringLiteral("Counting double-click with 20 armies planned"),
             medianMs(runs, repainted([&] { doubleClick(names); }), [&] { doubleClick(owned); })});
        window()->hide();
    }

    // A keystroke in the find box: each new letter searches every unit again, and the match
    // is selected and painted. The first one after a load also folds the catalogue's texts.
    // The window's keys reach only the active window.
    s.main.activateWindow();
    if (!QTest::qWaitForWindowActive(&s.main))
        qFatal("the main window did not become active");
    QTest::keySequence(names, QKeySequence::Find);
    if (!s.main.findChild<QWidget *>(QStringLiteral("txtFind"))->isVisible())
        qFatal("the find box did not open");
    auto *box = s.main.findChild<QLineEdit *>(QStringLiteral("txtFind"));
    QCoreApplication::processEvents();
    // Two letters in turn, so that no keystroke finds its search remembered from the last.
    int keystrokes = 0;
    const auto keystroke =
        repainted([&] { QTest::keyClick(box, ++keystrokes % 2 ? Qt::Key_7 : Qt::Key_A); });
    figures.append(
        {QStringLiteral("Find box keystroke"), medianMs(runs, keystroke, [&] { box->clear(); })});
    figures.append(
        {QStringLiteral("Find box, first keystroke after a reload"), medianMs(runs, keystroke, [&] {
             box->clear();
             s.main.LoadUnits();
             // The moment a user takes from the reload to the first letter.
             QTest::qWait(100);
         })});
    QTest::keyClick(box, Qt::Key_Escape);

    // A maximised window shows a screenful of rows in each of the eight lists.
    const QSize designed = s.main.size();
    figures.append({QStringLiteral("Enlarging the window and back"), medianMs(runs, [&] {
                        for (const QSize size : {QSize(1600, 1000), designed}) {
                            s.main.resize(size);
                            QCoreApplication::processEvents();
                        }
                    })});

    s.name("txtArmyName", "army");
    s.name("txtCollectionName", "collection");
    s.main.LoadArmy();
    const auto command = [&](const char *action) {
        return repainted([&s, action] { s.trigger(action); });
    };
    figures.append({QStringLiteral("Save Army"), medianMs(runs, command("mnuSaveArmy"))});
    figures.append(
        {QStringLiteral("Load Army"), medianMs(runs, repainted([&] { s.main.LoadArmy(); }))});
    figures.append({QStringLiteral("Load Collection"),
                    medianMs(runs, repainted([&] { s.main.LoadCollection(); }))});
    figures.append(
        {QStringLiteral("Add Army To Collection"),
         medianMs(runs, command("mnuAddArmyCollection"), [&] { s.main.LoadCollection(); })});
    // The saved army read under an updated catalogue: its record names another catalogue, so
    // every count is found again by its unit's ID.
    {
        QByteArray record = readAll(QStringLiteral("army.sav.units"));
        record.replace(record.indexOf("catalogue\t") + 10, 64, QByteArray(64, '0'));
        QFile file(QStringLiteral("army.sav.units"));
        if (!file.open(QIODevice::WriteOnly) || file.write(record) != record.size())
            qFatal("the army's record could not be changed");
        file.close();
        figures.append({QStringLiteral("Load Army, every count matched by its unit"),
                        medianMs(runs, repainted([&] { s.main.LoadArmy(); }))});
        Messages::setAnswer(true);
        figures.append(
            {QStringLiteral("Add Army To Collection, matched by unit"),
             medianMs(runs, command("mnuAddArmyCollection"), [&] { s.main.LoadCollection(); })});
    }
    // Undoing and redoing a load that changed every row, the same step back and forth.
    s.main.document().replaceTally(
        WhichTally::Collection,
        Tally{QStringList(s.globals.catalogue.size(), QStringLiteral("0")), Totals()}, QString());
    s.main.LoadCollection();
    QUndoStack *history = s.main.document().undoStack();
    figures.append({QStringLiteral("Undo of a Load Collection of every row"),
                    medianMs(runs, repainted([&] { history->undo(); }), [&] {
                        if (history->canRedo())
                            history->redo();
                    })});
    figures.append(
        {QStringLiteral("Redo of it"), medianMs(runs, repainted([&] { history->redo(); }), [&] {
             if (history->canUndo())
                 history->undo();
         })});
    listEveryUnit(s);
    // The report files are written off the window's thread; each run starts once the one
    // before has written its file, and a row of its own times the window's wait for the file.
    ReportCommands *reports = s.main.findChild<ReportCommands *>();
    const auto written = [reports] { reports->waitUntilWritten(); };
    figures.append({QStringLiteral("Print Collection To File"),
                    medianMs(runs, command("mnuPrintCollectionToFile"), written)});
    figures.append({QStringLiteral("Print Collection to HTML"),
                    medianMs(runs, command("mnuPrintCollectionHtml"), written)});
    figures.append({QStringLiteral("Print Collection to HTML, until the file is written"),
                    medianMs(
                        runs,
                        [&] {
                            s.trigger("mnuPrintCollectionHtml");
                            reports->waitUntilWritten();
                        },
                        written)});
    written();
    // Every unit shown, written out as CSV with its counts.
    figures.append({QStringLiteral("Export CSV of every unit"), medianMs(runs, [&s] {
                        s.main.findChild<CsvCommands *>()->exportTo(QStringLiteral("every.csv"));
                    })});
    if (!QPrinterInfo::defaultPrinter().isNull())
        measurePrinting(s, runs, figures);
    // A reload reads again only the files changed since the units shown were read. Each run
    // starts once the plan has read its army files again after the run before (a catalogue of
    // other units has them read off the window's thread).
    const auto reload = repainted([&] { s.main.LoadUnits(); });
    const auto rewrite = [&s](const QString &name, const QByteArray &bytes) {
        s.main.findChild<ArmyPlan *>()->waitUntilRead();
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("a ruleset file could not be written");
    };
    figures.append(
        {QStringLiteral("Ruleset reload, neither file changed"), medianMs(runs, reload)});
    {
        int turn = 0;
        figures.append(
            {QStringLiteral("Ruleset reload, a new price guide"), medianMs(runs, reload, [&] {
                 rewrite(PriceGuideFileName, ++turn % 2 ? guide + "\n" : guide);
             })});
    }
    // A catalogue whose first unit has another ID: the counts of every row follow their units.
    {
        const QByteArray renamed = "z" + catalogue;
        int turn = 0;
        figures.append({QStringLiteral("Ruleset reload, every count carried by its unit"),
                        medianMs(runs, reload, [&] {
                            rewrite(CatalogueFileName, ++turn % 2 ? renamed : catalogue);
                        })});
    }

    for (const QString &message : messages)
        std::fprintf(stderr, "message: %s\n", qPrintable(message.left(200)));
    return figures;
}

// Runs the program in a child process in `folder` and reads back the figures it prints.
Figures runChild(const QString &mode, const QString &folder, int runs)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {mode, folder, QString::number(runs)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        qFatal("the run in %s failed", qPrintable(folder));
    Figures figures;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n'))
        if (line.contains('\t'))
            figures.append({QString::fromUtf8(line.left(line.indexOf('\t'))),
                            line.mid(line.indexOf('\t') + 1).toDouble()});
    return figures;
}

// Every figure of one data set: start-up and peak memory as medians over separate processes,
// the rest as medians within one.
Figures measureIn(const QString &folder, int runs)
{
    QList<double> startUps;
    QList<double> memory;
    QList<double> fromMain;
    const QByteArray sharedState = qgetenv("XDG_STATE_HOME");
    for (int run = 0; run < runs; ++run) {
        // A start as most are, with no recovery copy to offer: each run ends with unsaved
        // counts, and its copy would be offered to the next.
        QTemporaryDir state;
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        qputenv("ROSTERMERE_BENCH_EXEC_NS", QByteArray::number(monotonicNs()));
        const Figures once = runChild(QStringLiteral("--start"), folder, 1);
        startUps.append(once.value(0).second);
        memory.append(once.value(1).second);
        fromMain.append(once.value(2).second);
    }
    qputenv("XDG_STATE_HOME", sharedState);
    for (QList<double> *values : {&startUps, &memory, &fromMain})
        std::sort(values->begin(), values->end());
    Figures figures = {
        {QStringLiteral("Start-up from exec to the first paint of the lists"),
         startUps.at(runs / 2)},
        {QStringLiteral("Start-up from main to the shown, filled window"), fromMain.at(runs / 2)}};
    figures.append(runChild(QStringLiteral("--child"), folder, runs));
    figures.append(
        {QStringLiteral("Peak memory of a session using every command (MB)"), memory.at(runs / 2)});
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    // As the program's own main does.
    returnLargeBuffersToTheSystem();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args.at(1).startsWith(QLatin1String("--"))) {
        if (!QDir::setCurrent(args.at(2)))
            qFatal("no folder %s", qPrintable(args.at(2)));
        Messages::setHandler([](QWidget *, const Messages::Message &) {});
        if (args.at(1) == QLatin1String("--start"))
            return startAndUseOnce(sinceMain);
        for (const auto &[what, value] : measure(args.at(3).toInt()))
            std::printf("%s\t%.4f\n", qPrintable(what), value);
        return 0;
    }

    const int runs = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 15;
    // The sessions' recovery copies stay out of the machine's own state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QTemporaryDir empty;
    QTemporaryDir full;
    if (!writeBenchData(empty.path(), 1) || !writeBenchData(full.path(), UnitCatalogue::MaxUnits))
        qFatal("could not write the benchmark data");
    const Figures floor = measureIn(empty.path(), runs);
    const Figures big = measureIn(full.path(), runs);
    std::printf("| %-50s | %12s | %12s | %8s | %-16s | %-6s |\n", "median of runs", "1 unit",
                "32767 units", "ratio", "goal", "");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", QByteArray(52, '-').constData(),
                QByteArray(14, '-').constData(), QByteArray(14, '-').constData(),
                QByteArray(10, '-').constData(), QByteArray(18, '-').constData(),
                QByteArray(8, '-').constData());
    int missed = 0;
    for (qsizetype i = 0; i < big.size() && i < floor.size(); ++i) {
        // Below a hundredth of a millisecond the floor is timer noise, and a ratio to it says
        // nothing; so is a rate.
        const bool hasRatio = floor.at(i).second >= 0.01 && !big.at(i).first.contains(u"MB/s");
        const QByteArray ratio =
            hasRatio ? QByteArray::number(big.at(i).second / floor.at(i).second, 'f', 2)
                     : QByteArrayLiteral("-");
        const Goal goal = goalOf(big.at(i).first);
        const bool met = goal.met(floor.at(i).second, big.at(i).second);
        missed += met ? 0 : 1;
        std::printf("| %-50s | %12.3f | %12.3f | %8s | %-16s | %-6s |\n",
                    qPrintable(big.at(i).first), floor.at(i).second, big.at(i).second,
                    ratio.constData(), qPrintable(goal.text()),
                    goal.kind == Goal::None ? ""
                    : met                   ? "met"
                                            : "missed");
    }
    std::printf("\n%d runs each; times in ms unless the row says otherwise; %d goal(s) missed.\n",
                runs, missed);
    return 0;
}
