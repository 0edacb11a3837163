// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"
#include "reports/collection_report.h"
#include "tally_files/tally_file.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>

// Random user actions on the real window, each checked against what it must do, and after
// each one the columns, totals and labels checked against the tallies. ROSTERMERE_SEED picks
// the session, ROSTERMERE_ACTIONS its length; PRINTER, when set, lets it print now and then.
TEST_F(GuiTest, RandomSessionKeepsColumnsTotalsAndFilesTrue)
{
    const int seed = std::max(1, qEnvironmentVariableIntValue("ROSTERMERE_SEED"));
    const int actions = qEnvironmentVariableIsSet("ROSTERMERE_ACTIONS")
                            ? qEnvironmentVariableIntValue("ROSTERMERE_ACTIONS")
                            : 1500;
    QRandomGenerator random{quint32(seed)};
    const auto pick = [&](int from) { return random.bounded(from); };
    int units = 40;
    // Weak units cost a sixteenth of their row, amounts whose sums single precision holds exactly.
    QByteArray guide;
    for (int row = 0; row < units; row += 4)
        guide += u"\"Unit %1 (W)\",%2\r\n"_s.arg(row).arg(row / 16.0).toLatin1();
    writeFile(u"current-runeforge.txt"_s, guide);
    writeFile(u"rfarm.txt"_s, numberedCatalogue(units));
    for (const QString &other : {u"Grand.arm"_s, u"OLD.SAV"_s, u"notes.txt"_s, u"a.sav.bak"_s})
        writeFile(other, {}); // the ruleset, and files no tally picker lists
    ASSERT_TRUE(QDir().mkdir(u"folder.sav"_s));
    start(true);
    const Tally *const tallies[2] = {&globals->collection, &globals->army};
    const char *const words[2] = {"Collection", "Army"};
    // Each tally by unit: "u<r>" is the unit of row r in the catalogue of 40; in the one of 33,
    // the units from u33 on are counts the tally keeps.
    QList<int> expected[2] = {QList<int>(40), QList<int>(40)};
    QMap<QString, QList<int>> saved;            // by the name box that saved them, by unit
    QMap<QString, std::pair<int, int>> savedBy; // the tally that saved it, and its rows
    bool answer = false;
    bool scrolledAway = false; // from the selected row, since the last click or key
    // The steps Ctrl+Z and Ctrl+Y take back and forth: both tallies before the step, and the
    // unit a count changed (-1 for a load or an add).
    using Taken = std::pair<std::array<QList<int>, 2>, int>;
    QList<Taken> undos, redos;
    for (int step = 0; step < actions && !HasFailure(); ++step) {
        const int action = pick(16), row = pick(units), c = pick(8), which = pick(2);
        SCOPED_TRACE("ROSTERMERE_SEED=" + std::to_string(seed) + ", action " +
                     std::to_string(step) + " of kind " + std::to_string(action));
        QListView *view = list(ListNames[c]);
        const int chosen = find<QRadioButton>(main.get(), "optArmy")->isChecked() ? 1 : 0;
        const QString name = QString(u"ab"_s.left(pick(3))).right(1); // "", "a" or "b"
        const auto named = [&](const char *tally, const char *menuItem) {
            find<QLineEdit>(main.get(), ("txt" + QByteArray(tally) + "Name").constData())
                ->setText(name);
            trigger(menuItem);
        };
        QList<int> after[2] = {expected[0], expected[1]};
        int stepUnit = -2; // the unit of a step this action makes, -1 for a whole tally
        scrolledAway = scrolledAway && action >= 4 && action != 12;
        messages.clear();
        // The file commands keep the user's place: the selected unit and the top row.
        const std::pair place{main->selectedRow(), topRow(list("lstUnits"))};
        const bool keepsPlace = action >= 7 && action <= 11;
        if (action == 12 && pick(50) == 0 && !qEnvironmentVariableIsEmpty("PRINTER")) {
            trigger("mnuPrintCollectionToPrinter");
        } else if (action == 0 || action == 12) {
            clickRow(view, row, pick(2) == 0 ? Qt::LeftButton : Qt::RightButton);
            EXPECT_EQ(main->selectedRow(), row);
        } else if (action <= 3) {
            doubleClickRow(view, row);
            after[chosen][row] += c < 2 ? 1 : c >= 6 && after[chosen][row] > 0 ? -1 : 0;
            stepUnit = after[chosen][row] != expected[chosen][row] ? row : -2;
        } else if (action == 4) {
            const int before = main->selectedRow(), key = pick(5);
            const int lands[] = {std::max(before - 1, 0), std::min(before + 1, units - 1), 0,
                                 units - 1};
            view->setFocus();
            QTest::keyClick(view, std::array{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                             Qt::Key_PageDown}[key]);
            // Page Down moves on a page from the row chosen in any column.
            EXPECT_TRUE(before < 0 ||
                        (key < 4 ? main->selectedRow() == lands[key]
                                 : main->selectedRow() > before || before == units - 1));
            scrolledAway = scrolledAway && main->selectedRow() == before; // a key that moves
        } else if (action == 5) {
            view->verticalScrollBar()->setValue(row); // as dragging it or the wheel does
            scrolledAway = true;
        } else if (action == 6) {
            QTest::mouseClick(find<QRadioButton>(main.get(), which ? "optArmy" : "optCollection"),
                              Qt::LeftButton);
        } else if (action == 7) {
            // Replacing a file the other tally saved, or with counts past this catalogue's
            // end, is asked first.
            const QList<int> old = saved.value(name);
            const auto [by, rows] = savedBy.value(name, {which, 0});
            const auto counted = [&old](int from, int to) {
                return std::any_of(old.begin() + from, old.begin() + to,
                                   [](int count) { return count > 0; });
            };
            const bool asks =
                (by != which && counted(0, rows)) || counted(std::min(units, rows), rows);
            const bool replace = pick(2) == 0, kept = asks && !replace;
            const QByteArray oldBytes = fileBytes(name + u".sav"_s);
            Messages::setAnswer(answer = replace);
            named(words[which], which == 1 ? "mnuSaveArmy" : "mnuSaveCollection");
            EXPECT_EQ(messages.size(), asks ? 1 : 0);
            EXPECT_EQ(fileBytes(name + u".sav"_s),
                      kept ? oldBytes : TallyFile::encode(tallies[which]->counts));
            if (!kept)
                saved[name] = expected[which], savedBy[name] = {which, units};
        } else if (action == 8) {
            // The picker lists just the files saved so far, or says there are none, which
            // can't be picked; "Oops" loads nothing.
            QString picked;
            answerModal(which == 1 ? "mnuLoadArmy" : "mnuLoadCollection", [&](QDialog *dialog) {
                auto *files = dialog->findChild<QListWidget *>(u"filLoadChar"_s);
                if (saved.isEmpty()) {
                    ASSERT_EQ(files->count(), 1);
                    EXPECT_EQ(files->item(0)->text(),
                              which == 1 ? u"No saved armies in this folder"_s
                                         : u"No saved collections in this folder"_s);
                    doubleClickItem(files, files->item(0)->text());
                    EXPECT_TRUE(dialog->isVisible());
                    return;
                }
                EXPECT_EQ(files->count(), saved.size());
                if (const int item = pick(files->count() + 1); item < files->count())
                    doubleClickItem(files, picked = files->item(item)->text());
                else
                    dialog->findChild<QPushButton *>(u"cmdOoops"_s)->click();
            });
            const QString pickedName = picked.left(picked.size() - 4); // without ".sav"
            if (!picked.isEmpty())
                after[which] = saved.value(pickedName), stepUnit = -1;
            // A load names its file in the name box.
            EXPECT_TRUE(picked.isEmpty() || !messages.isEmpty() ||
                        text(which ? "txtArmyName" : "txtCollectionName") == pickedName);
        } else if (action == 9) {
            // A file the collection saved is added only when the user says so.
            named("Army", "mnuAddArmyCollection");
            const QList<int> army = saved.value(name, QList<int>(40));
            if (savedBy.value(name).first == 1 || answer) {
                for (int r = 0; r < 40; ++r)
                    after[0][r] += army[r];
                stepUnit = -1;
            }
        } else if (action >= 14) {
            // Undo or redo in the list last used, by the desktop's keys or Ctrl+Y.
            QList<Taken> &from = action == 14 ? undos : redos, &to = action == 14 ? redos : undos;
            const int before = main->selectedRow();
            // A closed modal window hands the activation back on a desktop, not offscreen.
            main->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
            view->setFocus();
            QTest::keySequence(
                view, action == 15 && which
                          ? QKeySequence(u"Ctrl+Y"_s)
                          : QKeySequence(action == 14 ? QKeySequence::Undo : QKeySequence::Redo));
            if (!from.isEmpty()) {
                const auto [counts, unit] = from.takeLast();
                to.append({{expected[0], expected[1]}, unit});
                after[0] = counts[0], after[1] = counts[1];
                // A count shows its unit again; a whole tally leaves the selection alone.
                EXPECT_EQ(main->selectedRow(), unit >= 0 ? unit : before);
                scrolledAway = scrolledAway && unit < 0;
            }
        } else if (action == 10) {
            trigger("mnuIncludeSummary");
        } else if (action == 11) {
            const QStringList shown = totals("Collection");
            std::optional<ReportSummary> summary;
            if (find<QAction>(main.get(), "mnuIncludeSummary")->isChecked())
                summary = ReportSummary{shown[0], shown[1], shown[2]};
            const CollectionReport report = buildCollectionReport(name, globals->collection.counts,
                                                                  globals->catalogue, summary);
            named("Collection", which ? "mnuPrintCollectionHtml" : "mnuPrintCollectionToFile");
            EXPECT_EQ(fileBytes(name + (which ? u".htm"_s : u".txt"_s)),
                      which ? htmlReport(report) : textReport(report));
        } else {
            // Another ruleset, the catalogue grown or shrunk meanwhile: some point values and a
            // price changed, and a last unit of a strength the price guide has no key for.
            const int previous = units;
            units = units == 40 ? 33 : 40;
            QByteArray catalogue = numberedCatalogue(units == 40 ? 40 : 32);
            writeFile(u"rfarm.txt"_s, units == 40 ? catalogue
                                                  : catalogue.replace("1\r\n", "0\r\n") +
                                                        "u32,Wanderer,Giant,C,F2,1\r\n");
            writeFile(u"current-runeforge.txt"_s,
                      units == 40 ? guide : QByteArray(guide).replace(",1\r\n", ",7.5\r\n"));
            picker->show();
            doubleClickItem(find<QListWidget>(picker.get(), "filWorld"), u"Grand.arm"_s);
            // Refused when a total would leave its range with the new values.
            if (!messages.isEmpty() && messages.front().text.contains(u"not reloaded"_s))
                units = previous;
            else
                undos.clear(), redos.clear(); // the history starts afresh
            // The counts follow their units; those of units the new catalogue lacks are kept
            // (and said), and come back with a catalogue that has them.
            const bool lacking =
                units == 33 && std::any_of(after, after + 2, [](const QList<int> &tally) {
                    return std::any_of(tally.begin() + 33, tally.end(),
                                       [](int count) { return count > 0; });
                });
            EXPECT_EQ(messages.size(), lacking || units == previous ? 1 : 0);
        }
        // A refused change changes nothing; a reload only drops the counts of rows it took away.
        QString said; // every message, one after another
        for (const Messages::Message &message : std::as_const(messages))
            said += message.text;
        const bool refused = said.contains(u"out of its range"_s) ||
                             said.contains(u"would take"_s) || said.contains(u"does not exist"_s);
        EXPECT_TRUE(said.isEmpty() || refused || said.contains(u"row(s)"_s) ||
                    said.contains(u"no unit for"_s) || said.contains(u"saved as a collection"_s) ||
                    said.contains(u"Replace it with"_s))
            << said.toStdString();
        if (!refused && stepUnit > -2) {
            undos.append({{expected[0], expected[1]}, stepUnit});
            undos.remove(0, std::max<qsizetype>(0, undos.size() - TallyDocument::UndoLimit));
            redos.clear();
        }
        for (int t = 0; t < 2; ++t) {
            if (!refused)
                expected[t] = after[t];
            QList<int> counts;
            for (const QString &count : std::as_const(tallies[t]->counts))
                counts.append(count.trimmed().toInt());
            counts.resize(40);
            for (const KeptCount &kept : std::as_const(tallies[t]->kept))
                counts[kept.unit.id.mid(1).toInt()] += kept.count.trimmed().toInt();
            EXPECT_EQ(counts, expected[t]) << words[t];
            Totals recounted; // left at 0 when they would overflow
            recountTotals(tallies[t]->counts, globals->catalogue, recounted);
            EXPECT_EQ(tallies[t]->totals, recounted) << words[t];
            EXPECT_EQ(totals(words[t]),
                      QStringList({QString::number(recounted.number),
                                   QString::number(recounted.value), singleText(recounted.price)}));
        }
        EXPECT_EQ(main->model()->rowCount(), units); // the one model of all eight lists
        EXPECT_TRUE(!keepsPlace ||
                    (place == std::pair{main->selectedRow(), topRow(list("lstUnits"))}));
        expectAligned(main->selectedRow(), scrolledAway);
        const int at = main->selectedRow();
        EXPECT_TRUE(at < 0 ||
                    (text("lblPriceGuideName") == globals->catalogue.UnitGuideName.value(at) &&
                     text("lblUnitPrice") == globals->catalogue.UnitPrice.value(at)));
    }
}
