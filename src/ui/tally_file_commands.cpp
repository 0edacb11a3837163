// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_file_commands.h"

#include "catalogue/ruleset_files.h"
#include "common/background.h"
#include "common/file_names.h"
#include "common/output_file.h"
#include "document/ruleset_reload.h"
#include "document/session_keeper.h"
#include "frm_load_tally.h"
#include "messages.h"
#include "status_report.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_loading.h"

#include <QLineEdit>

TallyFileCommands::TallyFileCommands(TallyDocument &document, SessionKeeper &keeper,
                                     QWidget *window, const std::array<QLineEdit *, 2> &nameBoxes,
                                     StatusReport *status, const NumberFormat &format)
    : m_document(document), m_globals(document.data()), m_keeper(keeper), m_window(window),
      m_nameBoxes(nameBoxes), m_status(status), m_numberFormat(format)
{}

void TallyFileCommands::save(WhichTally which)
{
    const QString fileName = TallyFile::fileName(nameBox(which)->text());
    QString error = writingProblem(fileName);
    if (error.isEmpty() && !mayReplace(fileName, which, error) && error.isEmpty())
        return;
    const Tally &tally = m_document.tally(which);
    const QByteArray bytes = TallyFile::encode(tally.counts);
    // The record beside it says which unit each row was. It is made (a digest of the bytes and
    // a line per counted row) while the file is written and flushed, and written after it.
    const QFuture<QByteArray> record = Background::run(
        Background::shared(),
        [saver =
             which == WhichTally::Army ? UnitRecord::Saver::Army : UnitRecord::Saver::Collection,
         bytes, tally, catalogue = m_globals.catalogue, id = m_keeper.catalogueId()] {
            return UnitRecord::encode(UnitRecord::describe(saver, bytes, tally, catalogue, id));
        });
    if (error.isEmpty())
        error = writeWholeFile(fileName, bytes);
    if (!error.isEmpty()) {
        Messages::warn(m_window, forTally(which, tr("Could not save the army to \"%1\": %2"),
                                          tr("Could not save the collection to \"%1\": %2"))
                                     .arg(shownName(fileName), error));
        return;
    }
    m_document.markSaved(which);
    const Totals &totals = tally.totals;
    m_status->say(tr("Saved %1 to \"%2\": %3, %4.")
                      .arg(tallyTitle(which, nameBox(which)->text()), shownName(fileName),
                           figures(totals.number), tr("%n point(s)", nullptr, totals.value)));
    // The file alone is what other programs read, so a record that can't be written costs only
    // the matching by unit.
    if (const QString recordError = writeWholeFile(UnitRecord::fileName(fileName), record.result());
        !recordError.isEmpty())
        Messages::warn(m_window,
                       forTally(which,
                                tr("The army was saved to \"%1\", but the record of its "
                                   "units beside it could not be written, so a later "
                                   "catalogue can match its counts only by position. %2"),
                                tr("The collection was saved to \"%1\", but the record of "
                                   "its units beside it could not be written, so a later "
                                   "catalogue can match its counts only by position. %2"))
                           .arg(shownName(fileName), recordError));
}

void TallyFileCommands::pickAndLoad(TallyPicker &picker, WhichTally which)
{
    // The picked name reaches the name box with the loaded counts, as part of the same step, so
    // that a refused load leaves the box naming the file it named before.
    if (picker.exec() != QDialog::Accepted)
        return;
    load(which, picker.pickedName());
}

void TallyFileCommands::load(WhichTally which, const QString &name)
{
    const QString fileName = TallyFile::fileName(name);
    const TallyRead read = readTallyFile(fileName);
    if (!read.error.isEmpty()) {
        Messages::warn(m_window, forTally(which, tr("Could not load the army from \"%1\": %2"),
                                          tr("Could not load the collection from \"%1\": %2"))
                                     .arg(shownName(fileName), read.error));
        return;
    }
    const PlacedTally placed = placeTally(read, m_globals.catalogue, m_keeper.catalogueId());
    TallyUpdate loaded = loadedRows(
        placed.rows, m_globals.catalogue,
        which == WhichTally::Army ? PriceReading::Strict : PriceReading::Forgiving, m_numberFormat);
    if (loaded.overflow != TotalKind::None) {
        Messages::warn(m_window, tr("Loading \"%1\" would take %2 out of its range, so nothing was "
                                    "changed.")
                                     .arg(shownName(fileName), totalName(which, loaded.overflow)));
        return;
    }
    loaded.tally.kept = placed.kept;
    m_document.replaceTally(which, std::move(loaded.tally),
                            forTally(which, tr("loading \"%1\" into the army"),
                                     tr("loading \"%1\" into the collection"))
                                .arg(shownName(fileName)),
                            name);
    m_document.markSaved(which);
    m_status->say(forTally(which, tr("Loaded \"%1\" into the army: %2."),
                           tr("Loaded \"%1\" into the collection: %2."))
                      .arg(shownName(fileName), figures(m_document.tally(which).totals.number)) +
                  howPlaced(read, placed));
    if (placed.countedBeyond > 0)
        Messages::warn(m_window,
                       countsBeyond(tr("\"%1\" holds counts for %2 row(s) with %3 "
                                       "figure(s) that this catalogue of %4 units has no "
                                       "units for, so they were not loaded."),
                                    fileName, placed.countedBeyond, placed.figuresBeyond));
    if (!placed.kept.isEmpty())
        Messages::warn(m_window, keptCounts(fileName, placed.kept, which));
}

void TallyFileCommands::addArmyToCollection()
{
    // The saved army is added, not the one on screen: the file is what the user chose to keep.
    const QString fileName = TallyFile::fileName(nameBox(WhichTally::Army)->text());
    const TallyRead army = readTallyFile(fileName);
    if (!army.error.isEmpty()) {
        Messages::warn(m_window, tr("Could not add the army \"%1\" to the collection: %2")
                                     .arg(shownName(fileName), army.error));
        return;
    }
    if (army.record && army.record->saver == UnitRecord::Saver::Collection &&
        !Messages::ask(m_window,
                       tr("\"%1\" was saved as a collection (%2). Add it to the collection as "
                          "an army?")
                           .arg(shownName(fileName), figures(qint64(figuresIn(army.records)))),
                       tr("Add")))
        return;
    const PlacedTally placed = placeTally(army, m_globals.catalogue, m_keeper.catalogueId());
    TallyUpdate added = collectionWithArmyRows(m_globals.collection, placed.rows,
                                               m_globals.catalogue, m_numberFormat);
    if (added.overflow != TotalKind::None) {
        Messages::warn(m_window, tr("Adding \"%1\" would take %2 out of its range, so nothing was "
                                    "changed.")
                                     .arg(shownName(fileName),
                                          totalName(WhichTally::Collection, added.overflow)));
        return;
    }
    mergeKept(added.tally.kept, placed.kept);
    const qint16 before = m_globals.collection.totals.number;
    m_document.replaceTally(WhichTally::Collection, std::move(added.tally),
                            tr("adding \"%1\" to the collection").arg(shownName(fileName)));
    m_status->say(
        tr("Added \"%1\" to the collection: %2.")
            .arg(shownName(fileName), figures(m_globals.collection.totals.number - before)) +
        howPlaced(army, placed));
    if (placed.countedBeyond > 0)
        Messages::warn(m_window,
                       countsBeyond(tr("\"%1\" holds counts for %2 row(s) with %3 "
                                       "figure(s) that this catalogue of %4 units has no "
                                       "units for, so they were not added."),
                                    fileName, placed.countedBeyond, placed.figuresBeyond));
    if (!placed.kept.isEmpty())
        Messages::warn(m_window, keptCounts(fileName, placed.kept, WhichTally::Collection));
}

TallyRead TallyFileCommands::readTallyFile(const QString &fileName)
{
    TallyRead read;
    read.error = fileNameProblem(fileName, NameUse::Reading);
    if (read.error.isEmpty())
        read = readTally(fileName, m_keeper.catalogueId());
    if (!read.recordProblem.isEmpty())
        Messages::warn(m_window, tr("The record of units beside \"%1\" could not be read, so its "
                                    "counts are matched by position. %2")
                                     .arg(shownName(fileName), read.recordProblem));
    return read;
}

QString TallyFileCommands::howPlaced(const TallyRead &read, const PlacedTally &placed) const
{
    if (placed.how == PlacedTally::How::ByUnit && placed.moved + placed.kept.size() > 0) {
        const QString how = placed.byName == 0
                                ? tr("%1 matched by their ID").arg(units(placed.byId))
                                : tr("%1 matched by their ID and %2 by name and strength")
                                      .arg(units(placed.byId), units(placed.byName));
        return u' ' + tr("The catalogue has changed since it was saved; %1.").arg(how);
    }
    if (placed.how == PlacedTally::How::ByPosition && !read.record &&
        placed.fileRows != m_globals.catalogue.size())
        return u' ' + tr("It has no record of its units, so its %1 rows were matched by "
                         "position to the catalogue's %2 units.")
                          .arg(placed.fileRows)
                          .arg(m_globals.catalogue.size());
    return QString();
}

QString TallyFileCommands::keptCounts(const QString &fileName, const QList<KeptCount> &kept,
                                      WhichTally which) const
{
    const int count = int(kept.size());
    return forTally(which,
                    tr("The catalogue has no unit for %n unit(s) counted in \"%1\": %2. Their "
                       "counts are kept with the army (in no total) and saved with it, and go "
                       "back on their units when the catalogue has them again.",
                       nullptr, count),
                    tr("The catalogue has no unit for %n unit(s) counted in \"%1\": %2. Their "
                       "counts are kept with the collection (in no total) and saved with it, and "
                       "go back on their units when the catalogue has them again.",
                       nullptr, count))
        .arg(shownName(fileName), keptText(kept));
}

QString TallyFileCommands::countsBeyond(const QString &sentence, const QString &fileName,
                                        int counted, double figures) const
{
    return QString(sentence)
        .arg(shownName(fileName))
        .arg(counted)
        .arg(doubleText(figures))
        .arg(m_globals.catalogue.size());
}
