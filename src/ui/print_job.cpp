// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_job.h"

#include "common/background.h"
#include "printer_line_printer.h"

#include <QProgressDialog>
#include <QPromise>
#include <QPushButton>

namespace {

constexpr int SendingProgress = INT_MAX;

// The worker's side: the error that stopped the job, or an empty text once the print system
// has taken it. A cancelled job ends between two lines, or right before it would be sent.
void printOnPaper(QPromise<QString> &promise, const QPrinterInfo &printer,
                  const QString &documentName, const CollectionReport &report,
                  const std::function<void(int)> &watch,
                  const std::shared_ptr<std::atomic<PrintJob::Stage>> &stage)
{
    // The most progress there is, which Qt never holds back, says that the job is being sent.
    promise.setProgressRange(0, SendingProgress);
    PrinterLinePrinter lines(printer, documentName);
    lines.setLineCheck([&promise, &watch, &stage](int done) {
        if (watch)
            watch(done);
        promise.setProgressValue(done);
        return stage->load() == PrintJob::Stage::Printing;
    });
    lines.setSendCheck([&promise, &watch, &stage] {
        if (watch)
            watch(PrintJob::AboutToSend);
        auto printing = PrintJob::Stage::Printing;
        if (!stage->compare_exchange_strong(printing, PrintJob::Stage::Sent))
            return false;
        promise.setProgressValue(SendingProgress);
        if (watch)
            watch(PrintJob::Sending);
        return true;
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
    connect(&m_watcher, &QFutureWatcher<QString>::progressValueChanged, this, [this](int done) {
        if (done == SendingProgress)
            showSending();
        else if (m_progress)
            m_progress->setValue(std::min(done, m_lines));
    });
    // The dialog is made only for a job that takes that long: building it costs the window
    // several milliseconds.
    m_showProgress.setSingleShot(true);
    m_showProgress.setInterval(200);
    connect(&m_showProgress, &QTimer::timeout, this, &PrintJob::showProgress);
}

PrintJob::~PrintJob() = default;

void PrintJob::start(const QPrinterInfo &printer, const QString &documentName,
                     CollectionReport report)
{
    m_running = true;
    m_lines = reportLines(report);
    m_stage = std::make_shared<std::atomic<Stage>>(Stage::Printing);
    m_watcher.setFuture(Background::runThen(
        Background::shared(), this,
        [printer, documentName, report = std::move(report), watch = m_lineWatch,
         stage = m_stage](QPromise<QString> &promise) {
            printOnPaper(promise, printer, documentName, report, watch, stage);
        },
        [this](const QFuture<QString> &ended) { finish(ended); }));
    m_showProgress.start();
}

void PrintJob::showProgress()
{
    if (!m_running)
        return;
    m_progress =
        new QProgressDialog(tr("Printing the collection..."), tr("Cancel"), 0, m_lines, m_window);
    m_progress->setObjectName(QStringLiteral("dlgPrinting"));
    m_progress->setWindowTitle(m_window->windowTitle());
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, this, &PrintJob::cancel);
    m_progress->setValue(std::min(m_watcher.progressValue(), m_lines));
    m_progress->show();
    if (m_stage->load() == Stage::Sent)
        showSending();
}

void PrintJob::showSending()
{
    if (!m_progress)
        return;
    m_progress->setLabelText(tr("Sending the collection to the printer..."));
    if (auto *cancel = m_progress->findChild<QPushButton *>())
        cancel->setEnabled(false);
}

void PrintJob::cancel()
{
    auto printing = Stage::Printing;
    if (!m_stage->compare_exchange_strong(printing, Stage::Cancelled) && printing == Stage::Sent)
        Q_EMIT cancelRefused();
}

void PrintJob::finish(const QFuture<QString> &ended)
{
    m_showProgress.stop();
    delete m_progress;
    m_running = false;
    if (ended.resultCount() == 0)
        return; // cancelled: nothing was sent
    const QString error = ended.result();
    if (error.isEmpty())
        Q_EMIT printed();
    else
        Q_EMIT failed(error);
}
