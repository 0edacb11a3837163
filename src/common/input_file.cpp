#include "input_file.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("InputFile", text);
}

} // namespace

InputFile readInputFile(const QString &path, qint64 maxBytes)
{
    InputFile result;
    // Opened without blocking, so that a pipe with no writer cannot hold the program; the type
    // is then read from the descriptor itself, so that what is checked is what is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno == ENOENT ? tr("The file does not exist.")
                                       : QString::fromLocal8Bit(std::strerror(errno)) + u'.';
        return result;
    }
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.error = S_ISDIR(info.st_mode)
                           ? tr("It is a folder, not a file.")
                           : tr("It is not a plain file (it is a pipe, a device or a socket), so "
                                "it was not read.");
        ::close(fd);
        return result;
    }
    if (info.st_size > maxBytes) {
        result.error = tr("The file is too large (%1 bytes; at most %2 are read).")
                           .arg(info.st_size)
                           .arg(maxBytes);
        ::close(fd);
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        result.error = file.errorString();
        ::close(fd);
        return result;
    }
    // A file that grows while it is read is still read no further than the bound.
    result.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        result.error = file.errorString();
    else if (result.bytes.size() > maxBytes)
        result.error = tr("The file is too large (more than %1 bytes).").arg(maxBytes);
    if (!result.error.isEmpty())
        result.bytes.clear();
    return result;
}
