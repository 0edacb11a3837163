// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, a service manager) into an
// orderly end: `beforeEnd` runs first, to keep what must not be lost, and then the event loop
// ends as on Exit. Before the loop runs, or while a message waits for an answer in a loop of its
// own, the process ends at once instead, as the signal would have ended it. The handler only
// writes a byte; the rest runs in the event loop.
class Termination : public QObject
{
    Q_OBJECT

public:
    explicit Termination(std::function<void()> beforeEnd, QObject *parent = nullptr);
    ~Termination() override;

private:
    QSocketNotifier *m_notifier = nullptr;
    std::function<void()> m_beforeEnd;
};
