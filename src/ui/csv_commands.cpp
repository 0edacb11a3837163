// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_commands.h"

#include "common/file_names.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "document/army_plan.h"
#include "document/ruleset_reload.h"
#include "linked_columns.h"
#include "messages.h"
#include "reports/units_csv.h"
#include "shown_units.h"
#include "status_report.h"
#include "tally_files/counts_csv.h"
#include "tally_files/tally_loading.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

CsvCommands::CsvCommands(TallyDocument &document, QWidget *window, LinkedColumns *columns,
                         const ArmyPlan *plan, StatusReport *status, const NumberFormat &format,
                         std::function<WhichTally()> chosen)
    : QObject(window), m_document(document), m_window(window), m_columns(columns), m_plan(plan),
      m_status(status), m_format(format), m_chosen(std::move(chosen))
{}

void CsvCommands::exportShown()
{
    QString name = m_document.name(m_chosen());
    if (name.trimmed().isEmpty())
        name = tr("Units");
    const QString path = QFileDialog::getSaveFileName(
        m_window, tr("Export CSV"), QDir::current().filePath(name + QStringLiteral(".csv")),
        tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportTo(path);
}

bool CsvCommands::exportTo(const QString &path)
{
    const ShownUnits *shown = m_columns->shown();
    const modGlobals &data = m_document.data();
    QList<int> rows;
    rows.reserve(shown->rowCount());
    for (int row = 0; row < shown->rowCount(); ++row)
        rows.append(shown->catalogueRow(row));
    // What the choice is about goes out beside the counts.
    std::optional<CsvFigure> figure;
    const UnitChoice choice = shown->choice();
    if (choice == UnitChoice::LackingForArmy || choice == UnitChoice::LackingForPlan ||
        choice == UnitChoice::Spare) {
        figure = CsvFigure{
            choice == UnitChoice::Spare ? QStringLiteral("Spare") : QStringLiteral("Lacking"), {}};
        const Needs planned =
            choice == UnitChoice::LackingForArmy ? needsOf(data.army.counts) : m_plan->needs();
        for (const int row : rows)
            figure->values.append(choice == UnitChoice::Spare
                                      ? spareAt(planned, data.collection.counts, row)
                                      : lackingAt(planned, data.collection.counts, row));
    }
    const QString error = writeWholeFile(
        path, unitsCsv(rows, data.catalogue, data.collection.counts, data.army.counts, figure));
    if (!error.isEmpty()) {
        Messages::warn(m_window,
                       tr("Could not write \"%1\": %2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_status->say(
        tr("Wrote %1 to \"%2\".").arg(units(rows.size()), QDir::toNativeSeparators(path)));
    return true;
}

void CsvCommands::importCounts()
{
    const WhichTally which = m_chosen();
    const QString path = QFileDialog::getOpenFileName(
        m_window,
        forTally(which, tr("Import CSV into the army"), tr("Import CSV into the collection")),
        QDir::currentPath(), tr("CSV files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    // Adding loses nothing, so it is the answer Escape gives.
    const bool add = Messages::offer(
        m_window,
        forTally(which, tr("Add the counts of \"%1\" to the army, or replace the army with them?"),
                 tr("Add the counts of \"%1\" to the collection, or replace the collection "
                    "with them?"))
            .arg(QFileInfo(path).fileName()),
        tr("Add"), tr("Replace"));
    importFrom(path, which, add);
}

bool CsvCommands::importFrom(const QString &path, WhichTally which, bool add)
{
    const QString shown = QFileInfo(path).fileName();
    const modGlobals &data = m_document.data();
    const InputFile file = readInputFile(path);
    const CountsCsv read =
        file.ok() ? readCountsCsv(file.bytes, data.catalogue, which == WhichTally::Army)
                  : CountsCsv{{}, file.error};
    if (!read.error.isEmpty()) {
        Messages::warn(m_window, tr("Could not import \"%1\": %2").arg(shown, read.error));
        return false;
    }
    const Tally &before = m_document.tally(which);
    TallyUpdate update =
        add ? collectionWithArmyRows(before, read.rows, data.catalogue, m_format)
            : loadedRows(read.rows, data.catalogue,
                         which == WhichTally::Army ? PriceReading::Strict : PriceReading::Forgiving,
                         m_format);
    if (update.overflow != TotalKind::None) {
        Messages::warn(m_window, tr("Importing \"%1\" would take %2 out of its range, so nothing "
                                    "was changed.")
                                     .arg(shown, totalName(which, update.overflow)));
        return false;
    }
    double figures = 0;
    for (const auto &[row, count] : read.rows)
        figures += readNumber(count);
    m_document.replaceTally(which, std::move(update.tally),
                            forTally(which, tr("importing \"%1\" into the army"),
                                     tr("importing \"%1\" into the collection"))
                                .arg(shown));
    m_status->say(forTally(which, tr("Imported %1 of %2 from \"%3\" into the army."),
                           tr("Imported %1 of %2 from \"%3\" into the collection."))
                      .arg(::figures(qint64(figures)), units(read.rows.size()), shown));
    return true;
}
