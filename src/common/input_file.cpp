// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_file.h"

#include "system_calls.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(InputFile)
};

InputFile unreadable(int error)
{
    InputFile result;
    result.unreadable = true;
    result.error =
        Text::tr("It could not be read: %1.").arg(QString::fromLocal8Bit(std::strerror(error)));
    return result;
}

// Reads to the end of the file, or one byte past `maxBytes`; false with errno set when a read
// fails.
bool readAll(int fd, QByteArray &bytes, qint64 expected, qint64 maxBytes)
{
    bytes.resize(std::min(expected, maxBytes) + 1);
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                break;
            // The file grew since it was measured.
            bytes.resize(std::min(2 * bytes.size(), maxBytes + 1));
        }
        const ssize_t step = retryInterrupted([&] {
            return systemCalls().read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        });
        if (step < 0)
            return false;
        if (step == 0)
            break;
        filled += step;
    }
    bytes.truncate(filled);
    return true;
}

} // namespace

InputFile readInputFile(const QString &path, qint64 maxBytes)
{
    // Opened without blocking, so that a pipe with no writer cannot hold the program; the type
    // is then read from the descriptor itself, so that what is checked is what is read.
    const QByteArray name = QFile::encodeName(path);
    const int fd = retryInterrupted(
        [&] { return systemCalls().open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0); });
    if (fd < 0) {
        if (errno != ENOENT)
            return unreadable(errno);
        InputFile result;
        result.error = Text::tr("The file does not exist.");
        return result;
    }
    InputFile result;
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        result.error =
            S_ISDIR(info.st_mode)
                ? Text::tr("It is a folder, not a file.")
                : Text::tr("It is not a plain file (it is a pipe, a device or a socket), so "
                           "it was not read.");
    else if (info.st_size > maxBytes)
        result.error = Text::tr("The file is too large (%1 bytes; at most %2 are read).")
                           .arg(info.st_size)
                           .arg(maxBytes);
    else if (!readAll(fd, result.bytes, info.st_size, maxBytes))
        result = unreadable(errno);
    else if (result.bytes.size() > maxBytes)
        result.error = Text::tr("The file is too large (more than %1 bytes).").arg(maxBytes);
    // Nothing was written through this descriptor, so its close has nothing to report.
    systemCalls().close(fd);
    if (!result.ok())
        result.bytes.clear();
    return result;
}
