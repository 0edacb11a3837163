// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_commands.h"

#include "catalogue/ruleset_files.h"
#include "common/background.h"
#include "common/file_names.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "messages.h"
#include "painted_line_printer.h"
#include "print_job.h"
#include "status_report.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

namespace {

constexpr int PreviewLinesBetweenPaints = 64;

} // namespace

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
    writeFile(which, false);
}

void ReportCommands::writeHtml()
{
    writeFile(WhichTally::Collection, true);
}

void ReportCommands::writeFile(WhichTally which, bool html)
{
    const QString fileName =
        m_document.name(which) + (html ? QStringLiteral(".htm") : QStringLiteral(".txt"));
    if (const QString problem = writingProblem(fileName); !problem.isEmpty()) {
        Messages::warn(
            m_window,
            tr("Could not write the report \"%1\": %2").arg(shownName(fileName), problem));
        return;
    }
    // A full-size report took the window 20 to 40 ms to lay out, encode and flush to the disk.
    // It is made of copies that share the document's data, so counting goes on meanwhile.
    const Tally &tally = m_document.tally(which);
    std::optional<ReportSummary> summary;
    if (m_includeSummary->isChecked())
        summary = totalsText(tally.totals, m_decimalSeparator);
    const bool army = which == WhichTally::Army;
    ++m_filesBeingWritten;
    Background::runThen(
        Background::reportFiles(), this,
        [name = m_document.name(which), counts = tally.counts,
         catalogue = m_document.data().catalogue, summary, army, html, fileName] {
            CollectionReport report = buildCollectionReport(name, counts, catalogue, summary);
            report.army = army;
            return std::pair(
                writeWholeFile(fileName, html ? htmlReport(report) : textReport(report)),
                report.rows.size());
        },
        [this, which, fileName](const QFuture<std::pair<QString, qsizetype>> &written) {
            --m_filesBeingWritten;
            const auto &[error, rows] = written.result();
            if (!error.isEmpty()) {
                Messages::warn(
                    m_window,
                    tr("Could not write the report \"%1\": %2").arg(shownName(fileName), error));
                return;
            }
            m_status->say(forTally(which, tr("Wrote the army to \"%1\": %2."),
                                   tr("Wrote the collection to \"%1\": %2."))
                              .arg(shownName(fileName), units(rows)));
        });
}

void ReportCommands::finishWriting()
{
    Background::reportFiles()->waitForDone();
}

void ReportCommands::waitUntilWritten()
{
    while (m_filesBeingWritten > 0) {
        Background::reportFiles()->waitForDone();
        // The lines of the written files are said here, on the window's thread.
        QCoreApplication::sendPostedEvents();
    }
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

void ReportCommands::preview()
{
    const CollectionReport shown = report(WhichTally::Collection);
    QPrintPreviewDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    dialog.setWindowTitle(tr("Print Preview: %1 Collection").arg(shown.name));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&shown](QPrinter *printer) {
        PaintedLinePrinter lines(*printer, printer->printerName());
        // Qt's preview takes its pages on the window's thread: while a long report is laid
        // out, the windows keep painting (and take no input) every few dozen lines.
        lines.setLineCheck([](int done) {
            if (done % PreviewLinesBetweenPaints == 0)
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        });
        printReport(shown, lines);
    });
    dialog.exec();
}

void ReportCommands::savePdf()
{
    const QString name = m_document.name(WhichTally::Collection);
    const QString path = QFileDialog::getSaveFileName(
        m_window, tr("Save as PDF"),
        QDir::current().filePath(tr("%1 Collection").arg(name) + QStringLiteral(".pdf")),
        tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        savePdfTo(path);
}

QFuture<QString> ReportCommands::savePdfTo(const QString &path)
{
    const CollectionReport shown = report(WhichTally::Collection);
    const qsizetype rows = shown.rows.size();
    const QString documentName = tr("%1 Collection").arg(shown.name);
    return Background::runThen(
        Background::shared(), this,
        [shown, path, documentName] {
            // Drawn whole beside nothing of the user's, then written in one piece.
            QTemporaryDir spool;
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            pdf.setOutputFileName(spool.filePath(QStringLiteral("report.pdf")));
            pdf.setDocName(documentName);
            PaintedLinePrinter lines(pdf, QDir::toNativeSeparators(path));
            if (!spool.isValid() || !printReport(shown, lines))
                return lines.error().isEmpty() ? tr("The document could not be made.")
                                               : lines.error();
            const InputFile made = readInputFile(pdf.outputFileName());
            return made.ok() ? writeWholeFile(path, made.bytes) : made.error;
        },
        [this, path, rows](const QFuture<QString> &ended) {
            if (const QString error = ended.result(); !error.isEmpty()) {
                Messages::warn(m_window, tr("Could not write the PDF \"%1\": %2")
                                             .arg(QDir::toNativeSeparators(path), error));
                return;
            }
            m_status->say(tr("Wrote the collection to \"%1\": %2.")
                              .arg(QDir::toNativeSeparators(path), units(rows)));
        });
}

void ReportCommands::waitUntilSent()
{
    m_printing->waitUntilSent();
}
