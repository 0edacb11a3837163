// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/collection_report.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QPrinterInfo>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

// One printout at a time, laid out and drawn on a thread of its own so that the window keeps
// painting and counting while a long report goes to paper. The report is a copy taken when the
// job starts. A progress dialog with a Cancel button shows once the job has taken 200 ms;
// Cancel abandons the document and nothing reaches the print queue. Cancel and the sending of
// the finished document are decided once, by whichever comes first: once the job is being
// sent, the dialog says so and Cancel is disabled, and a Cancel that came too late is said.
class PrintJob : public QObject
{
    Q_OBJECT

public:
    explicit PrintJob(QWidget *window);
    // Waits for nothing: a job under way goes on to the printer on its own thread, unheard. The
    // program's end waits for it with waitUntilSent(), so that a printout the user asked for is
    // not dropped because the window closes.
    ~PrintJob() override;

    // From the start until the window has heard how the job ended.
    bool isRunning() const { return m_running; }

    void start(const QPrinterInfo &printer, const QString &documentName, CollectionReport report);

    // Waits until the job under way is sent to the print system (or fails, or was cancelled).
    void waitUntilSent() { m_watcher.waitForFinished(); }

    // Called on the printing thread before each line with the lines done, and with AboutToSend
    // and Sending around the moment the job is given to the print system, for tests to hold a
    // job at a known point.
    static constexpr int AboutToSend = -1; // Cancel still wins
    static constexpr int Sending = -2;     // the job goes to the print system, whatever comes
    void setLineWatch(std::function<void(int)> watch) { m_lineWatch = std::move(watch); }

Q_SIGNALS:
    void printed();
    void failed(const QString &error);
    // Cancel was chosen once the job was already being sent: it is printed all the same.
    void cancelRefused();

public:
    enum class Stage
    {
        Printing,
        Cancelled,
        Sent
    };

private:
    void showProgress();
    // The job is on its way to the print system: the dialog says so and Cancel is off.
    void showSending();
    void cancel();
    void finish(const QFuture<QString> &ended);

    QWidget *m_window;
    QFutureWatcher<QString> m_watcher; // the job's progress, for the dialog
    QTimer m_showProgress;
    QPointer<QProgressDialog> m_progress;
    std::function<void(int)> m_lineWatch;
    int m_lines = 0;
    bool m_running = false;
    // Shared with the printing thread, which may outlive a job the window gave up on.
    std::shared_ptr<std::atomic<Stage>> m_stage;
};
