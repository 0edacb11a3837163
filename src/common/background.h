// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

// Work off the window's thread, done one way throughout: a task runs on a pool and hands back a
// QFuture. Dropping the future never waits for the task, so no owner's destructor blocks on a
// thread; the work owns copies of what it reads. What must be finished before the program ends
// (the recovery copy, a printout) is waited for once, where main() ends the program.
namespace Background {

// Qt's shared pool: reading the ruleset ahead, folding texts for the search, freeing old data,
// printing.
inline QThreadPool *shared()
{
    return QThreadPool::globalInstance();
}

// A pool of one thread of its own, for work that must never wait behind the shared pool's (a
// printout takes the only thread of a one-core machine for seconds).
QThreadPool *recoveryCopies();

// A pool of one thread of its own for the reports written off the window's thread, so that
// they are written one after another in the order asked.
QThreadPool *reportFiles();

template <typename Work> auto run(QThreadPool *pool, Work &&work)
{
    return QtConcurrent::run(pool, std::forward<Work>(work));
}

// Calls `done` with `future` once it has ended, on `receiver`'s thread, unless the receiver is
// gone by then. (A watcher the receiver owns hears of the end: Qt 6.4's own continuations with
// a context stop the program when the context goes first.)
template <typename Result, typename Done>
void whenEnded(const QFuture<Result> &future, QObject *receiver, Done &&done)
{
    auto *watcher = new QFutureWatcher<Result>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver,
                     [watcher, done = std::forward<Done>(done)]() mutable {
                         watcher->deleteLater();
                         done(watcher->future());
                     });
    watcher->setFuture(future);
}

// Runs `work` on `pool`, then `done` with the ended work's future on `receiver`'s thread while
// the receiver lives. Returns the work's future, for a caller that must also wait for it.
template <typename Work, typename Done>
auto runThen(QThreadPool *pool, QObject *receiver, Work &&work, Done &&done)
{
    auto future = run(pool, std::forward<Work>(work));
    whenEnded(future, receiver, std::forward<Done>(done));
    return future;
}

} // namespace Background
