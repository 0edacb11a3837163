#include "print_job.h"

#include "printer_line_printer.h"

#include <QProgressDialog>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The worker's side: the error that stopped the job, or an empty text once the print system
// has taken it. A cancelled job ends between two lines.
void printOnPaper(QPromise<QString> &promise, const QPrinterInfo &printer,
                  const QString &documentName, const CollectionReport &report)
{
    PrinterLinePrinter lines(printer, documentName);
    lines.setLineCheck([&promise](int done) {
        promise.setProgressValue(done);
        return !promise.isCanceled();
    });
    const bool sent = printReport(report, lines);
    if (!lines.abandoned())
        promise.addResult(sent ? QString() : lines.error());
}

// About how many lines the report takes: headings, one per row, the summary.
int reportLines(const CollectionReport &report)
{
    return int(std::min<qsizetype>(report.rows.size() + 10, INT_MAX));
}

} // namespace

PrintJob::PrintJob(QWidget *window) : QObject(window), m_window(window)
{
    connect(&m_watcher, &QFutureWatcher<QString>::finished, this, &PrintJob::finish);
}

PrintJob::~PrintJob()
{
    m_watcher.waitForFinished();
}

void PrintJob::start(const QPrinterInfo &printer, const QString &documentName,
                     CollectionReport report)
{
    m_running = true;
    const int lines = reportLines(report);
    m_progress =
        new QProgressDialog(tr("Printing the collection..."), tr("Cancel"), 0, lines, m_window);
    m_progress->setObjectName(QStringLiteral("dlgPrinting"));
    m_progress->setWindowTitle(m_window->windowTitle());
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setMinimumDuration(200);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, &m_watcher, &QFutureWatcher<QString>::cancel);
    connect(&m_watcher, &QFutureWatcher<QString>::progressValueChanged, m_progress,
            [this, lines](int done) { m_progress->setValue(std::min(done, lines)); });
    m_watcher.setFuture(QtConcurrent::run(printOnPaper, printer, documentName, std::move(report)));
}

void PrintJob::finish()
{
    delete m_progress;
    m_running = false;
    if (m_watcher.isCanceled() || m_watcher.future().resultCount() == 0)
        return;
    const QString error = m_watcher.result();
    if (error.isEmpty())
        Q_EMIT printed();
    else
        Q_EMIT failed(error);
}
