#include "output_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("OutputFile", text);
}

// Qt reports a disk that filled up halfway through a write as "Unknown error"; the error
// number of the failed call still says what happened.
QString failure(int error, const QString &qtReason)
{
    if (error == ENOSPC || error == EFBIG || error == EDQUOT)
        return tr("The disk is full, or the file is too large for it.");
    if (error == ENAMETOOLONG)
        return tr("Its name is too long for the file system.");
    return qtReason;
}

} // namespace

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return tr("It is a folder, not a file.");
    QSaveFile file(path);
    errno = 0;
    // Unbuffered, so that a failing write shows at the write, with its reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(errno, file.errorString());
    for (qint64 written = 0; written < bytes.size();) {
        errno = 0;
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = failure(errno, file.errorString());
            file.cancelWriting();
            return reason;
        }
        written += step;
    }
    errno = 0;
    if (!file.commit())
        return failure(errno, file.errorString());
    return QString();
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
