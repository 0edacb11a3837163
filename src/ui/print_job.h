// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/collection_report.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QPrinterInfo>
#include <QTimer>

#include <functional>

class QProgressDialog;
class QWidget;

// One printout at a time, laid out and drawn on a thread of its own so that the window keeps
// painting and counting while a long report goes to paper. The report is a copy taken when the
// job starts. A progress dialog with a Cancel button shows once the job has taken 200 ms;
// Cancel abandons the document and nothing reaches the print queue.
class PrintJob : public QObject
{
    Q_OBJECT

public:
    explicit PrintJob(QWidget *window);
    // A job that is under way is finished first: a printout the user asked for is not dropped
    // because the window closes.
    ~PrintJob() override;

    // From the start until the window has heard how the job ended.
    bool isRunning() const { return m_running; }

    void start(const QPrinterInfo &printer, const QString &documentName, CollectionReport report);

    // Waits until the job under way is sent to the print system (or fails, or was cancelled).
    void waitUntilSent() { m_watcher.waitForFinished(); }

    // Called on the printing thread before each line with the lines done, for tests to hold a
    // job at a known line.
    void setLineWatch(std::function<void(int)> watch) { m_lineWatch = std::move(watch); }

Q_SIGNALS:
    void printed();
    void failed(const QString &error);

private:
    void showProgress();
    void finish();

    QWidget *m_window;
    QFutureWatcher<QString> m_watcher;
    QTimer m_showProgress;
    QPointer<QProgressDialog> m_progress;
    std::function<void(int)> m_lineWatch;
    int m_lines = 0;
    bool m_running = false;
};
