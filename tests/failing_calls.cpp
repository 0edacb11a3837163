// SPDX-License-Identifier: GPL-3.0-or-later
#include "failing_calls.h"

#include <QByteArray>
#include <QHash>

#include <mutex>
#include <numeric>

namespace {

// The readers run on threads of their own, so the state is shared under a lock.
struct State
{
    std::recursive_mutex lock;
    QList<Fault> faults;
    QList<int> failures; // how many calls each fault has failed
    SystemCalls real{};
    QHash<int, QByteArray> paths; // descriptor -> the path it was opened on
    QHash<int, qint64> read;      // descriptor -> bytes read so far
} state;

// The fault that is to fail the call named `call` on `path` now, or -1.
int armed(const char *call, const QByteArray &path)
{
    for (int i = 0; i < state.faults.size(); ++i) {
        const Fault &fault = state.faults[i];
        if (qstrcmp(fault.call, call) == 0 && path.contains(fault.file) &&
            fault.times != state.failures[i])
            return i;
    }
    return -1;
}

// Whether the call is to fail now; if so the failure is counted and errno set.
bool fails(const char *call, const QByteArray &path)
{
    std::lock_guard guard(state.lock);
    const int fault = armed(call, path);
    if (fault >= 0)
        ++state.failures[fault], errno = state.faults[fault].error;
    return fault >= 0;
}

QByteArray pathOf(int fd)
{
    std::lock_guard guard(state.lock);
    return state.paths.value(fd);
}

int openCall(const char *path, int flags, mode_t mode)
{
    if (fails("open", path))
        return -1;
    const int fd = state.real.open(path, flags, mode);
    std::lock_guard guard(state.lock);
    if (fd >= 0)
        state.paths.insert(fd, path), state.read.insert(fd, 0);
    return fd;
}

// Reads give up to `after` bytes of the file, and the next one fails.
ssize_t readCall(int fd, void *buffer, size_t size)
{
    const QByteArray path = pathOf(fd);
    {
        std::lock_guard guard(state.lock);
        if (const int fault = armed("read", path); fault >= 0) {
            const qint64 rest = state.faults[fault].after - state.read.value(fd);
            if (rest <= 0 && fails("read", path))
                return -1;
            size = std::min<size_t>(size, size_t(std::max<qint64>(rest, 0)));
        }
    }
    const ssize_t step = state.real.read(fd, buffer, size);
    std::lock_guard guard(state.lock);
    state.read[fd] += std::max<ssize_t>(step, 0);
    return step;
}

// A failing close has still released the descriptor.
int closeCall(int fd)
{
    const bool failing = fails("close", pathOf(fd));
    const int error = errno;
    {
        std::lock_guard guard(state.lock);
        state.paths.remove(fd), state.read.remove(fd);
    }
    const int result = state.real.close(fd);
    errno = failing ? error : errno;
    return failing ? -1 : result;
}

} // namespace

FailingCalls::FailingCalls(std::initializer_list<Fault> faults) : m_real(systemCalls())
{
    std::lock_guard guard(state.lock);
    state.faults.clear();
    for (const Fault &fault : faults)
        if (fault.call != nullptr)
            state.faults.append(fault);
    state.failures = QList<int>(state.faults.size(), 0);
    state.real = m_real;
    state.paths.clear(), state.read.clear();
    if (!state.faults.isEmpty())
        // Writes fail by the descriptor's path; links and renames by the name they make.
        systemCalls() = {
            openCall,
            readCall,
            [](int fd, const void *buffer, size_t size) -> ssize_t {
                return fails("write", pathOf(fd)) ? -1 : state.real.write(fd, buffer, size);
            },
            [](int fd) { return fails("fdatasync", pathOf(fd)) ? -1 : state.real.fdatasync(fd); },
            closeCall,
            [](const char *from, const char *to) {
                return fails("link", to) ? -1 : state.real.link(from, to);
            },
            [](const char *from, const char *to) {
                return fails("rename", to) ? -1 : state.real.rename(from, to);
            },
            m_real.unlink};
}

FailingCalls::~FailingCalls()
{
    std::lock_guard guard(state.lock);
    systemCalls() = m_real;
    state.faults.clear();
}

int FailingCalls::failed() const
{
    std::lock_guard guard(state.lock);
    return std::accumulate(state.failures.begin(), state.failures.end(), 0);
}
