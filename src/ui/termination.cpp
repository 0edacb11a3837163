// SPDX-License-Identifier: GPL-3.0-or-later
#include "termination.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

int pair[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1);
}

} // namespace

Termination::Termination(std::function<void()> beforeEnd, QObject *parent)
    : QObject(parent), m_beforeEnd(std::move(beforeEnd))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        return;
    m_notifier = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(pair[1], &byte, 1);
        m_beforeEnd();
        // Quitting also ends a message box's loop, after which the start would go on into a
        // main loop nothing ends: only the main loop alone is ended. It ends as Exit ends it,
        // not by quit(), which first closes every window, and a printout's progress window
        // takes its closing for Cancel.
        if (QThread::currentThread()->loopLevel() == 1 && !QApplication::activeModalWidget())
            QCoreApplication::exit(0);
        else
            std::_Exit(0);
    });
    struct sigaction action
    {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

Termination::~Termination()
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    for (int &end : pair)
        if (end >= 0)
            ::close(std::exchange(end, -1));
}
