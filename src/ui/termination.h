#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, a service manager) into an
// orderly quit of the event loop, so that the windows close as on Exit and the recovery copy is
// brought up to date. The handler only writes a byte; the rest runs in the event loop.
class Termination : public QObject
{
    Q_OBJECT

public:
    explicit Termination(QObject *parent = nullptr);
    ~Termination() override;

private:
    QSocketNotifier *m_notifier = nullptr;
};
