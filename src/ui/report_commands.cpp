// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_commands.h"

#include "catalogue/ruleset_files.h"
#include "common/file_names.h"
#include "common/output_file.h"
#include "messages.h"
#include "print_job.h"
#include "status_report.h"

#include <QAction>
#include <QPrinterInfo>
#include <QWidget>

ReportCommands::ReportCommands(const TallyDocument &document, QWidget *window, StatusReport *status,
                               const QAction *includeSummary, QChar decimalSeparator)
    : QObject(window), m_document(document), m_window(window), m_status(status),
      m_includeSummary(includeSummary), m_decimalSeparator(decimalSeparator),
      m_printing(new PrintJob(window))
{
    connect(m_printing, &PrintJob::printed, this, [this] { m_status->say(m_printedLine); });
    connect(m_printing, &PrintJob::failed, this, [this](const QString &error) {
        Messages::warn(m_window, tr("The collection was not printed: %1").arg(error));
    });
    connect(m_printing, &PrintJob::cancelRefused, this, [this] {
        Messages::warn(m_window, tr("The collection had already gone to the printer when Cancel "
                                    "was chosen, so it is printed."));
    });
}

CollectionReport ReportCommands::report(WhichTally which) const
{
    const Tally &tally = m_document.tally(which);
    std::optional<ReportSummary> summary;
    if (m_includeSummary->isChecked())
        summary = totalsText(tally.totals, m_decimalSeparator);
    CollectionReport report = buildCollectionReport(m_document.name(which), tally.counts,
                                                    m_document.data().catalogue, summary);
    report.army = which == WhichTally::Army;
    return report;
}

void ReportCommands::writeText(WhichTally which)
{
    const CollectionReport shown = report(which);
    writeFile(which, QStringLiteral(".txt"), textReport(shown), shown.rows.size());
}

void ReportCommands::writeHtml()
{
    const CollectionReport shown = report(WhichTally::Collection);
    writeFile(WhichTally::Collection, QStringLiteral(".htm"), htmlReport(shown), shown.rows.size());
}

void ReportCommands::writeFile(WhichTally which, const QString &extension, const QByteArray &bytes,
                               qsizetype rows)
{
    const QString fileName = m_document.name(which) + extension;
    QString error = writingProblem(fileName);
    if (error.isEmpty())
        error = writeWholeFile(fileName, bytes);
    if (!error.isEmpty()) {
        Messages::warn(m_window,
                       tr("Could not write the report \"%1\": %2").arg(shownName(fileName), error));
        return;
    }
    m_status->say(forTally(which, tr("Wrote the army to \"%1\": %2."),
                           tr("Wrote the collection to \"%1\": %2."))
                      .arg(shownName(fileName), units(rows)));
}

void ReportCommands::print()
{
    if (m_printing->isRunning()) {
        Messages::warn(m_window, tr("The collection is still being printed, so it was not "
                                    "printed again. Print it again once that printout is done."));
        return;
    }
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        Messages::warn(m_window, tr("There is no default printer, so the collection was not "
                                    "printed."));
        return;
    }
    CollectionReport shown = report(WhichTally::Collection);
    // Said once the job is in the queue, of the printer and report it was started with.
    m_printedLine = tr("Sent the collection to the printer \"%1\": %2.")
                        .arg(printer.printerName(), units(shown.rows.size()));
    m_printing->start(printer, tr("%1 Collection").arg(m_document.name(WhichTally::Collection)),
                      std::move(shown));
}

void ReportCommands::waitUntilSent()
{
    m_printing->waitUntilSent();
}
