// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_file.h"

#include "system_calls.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// Qt's QSaveFile would do most of this, but in Qt 6.4 it ignores a failing flush to disk and
// closes the file only after it has taken the old one's place, so a disk error at the end of a
// save would pass for success. Each step here is checked before the next.

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OutputFile)
};

QString failure(int error)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    if (error == ENOSPC || error == EFBIG || error == EDQUOT)
        return Text::tr("The disk is full, or the file is too large for it.");
    if (error == ENAMETOOLONG)
        return Text::tr("Its name is too long for the file system.");
    if (error == EIO)
        return Text::tr("The disk reported an error while it was being written (%1).").arg(reason);
    if (error == ELOOP)
        return Text::tr("It is a link that leads round in a circle, so there is no file to write.");
    if (error == EACCES || error == EPERM || error == EROFS)
        return Text::tr("The folder or the file may not be written to (%1).").arg(reason);
    return reason + u'.';
}

// The new file while it is being written: a descriptor, and the temporary name it has been
// given in the folder, if any. Whatever is left of it when the write fails is removed.
class NewFile
{
public:
    ~NewFile()
    {
        if (m_fd >= 0)
            systemCalls().close(m_fd);
        if (!m_name.isEmpty())
            retryInterrupted([this] { return systemCalls().unlink(m_name.constData()); });
    }

    // Opens an unnamed file in `folder`, or a named one where the file system has none.
    bool open(const QByteArray &folder, const QByteArray &base, mode_t mode)
    {
        m_fd = retryInterrupted([&] {
            return systemCalls().open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        });
        if (m_fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
            return m_fd >= 0;
        return nameFreely(folder, base, [this, mode](const QByteArray &name) {
            m_fd =
                systemCalls().open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            return m_fd;
        });
    }

    int fd() const { return m_fd; }

    bool write(const QByteArray &bytes)
    {
        for (qsizetype written = 0; written < bytes.size();) {
            const ssize_t step = retryInterrupted([&] {
                return systemCalls().write(m_fd, bytes.constData() + written,
                                           size_t(bytes.size() - written));
            });
            if (step <= 0) {
                if (step == 0)
                    errno = ENOSPC;
                return false;
            }
            written += step;
        }
        return retryInterrupted([this] { return systemCalls().fdatasync(m_fd); }) == 0;
    }

    // Gives an unnamed file a name beside the final one, then closes it.
    bool close(const QByteArray &folder, const QByteArray &base)
    {
        if (m_name.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
            if (!nameFreely(folder, base, [&self](const QByteArray &name) {
                    return systemCalls().link(self.constData(), name.constData());
                }))
                return false;
        }
        const int fd = std::exchange(m_fd, -1);
        // An interrupted close has still released the descriptor, and the data is on the disk.
        return systemCalls().close(fd) == 0 || errno == EINTR;
    }

    bool replace(const QByteArray &target)
    {
        if (retryInterrupted(
                [&] { return systemCalls().rename(m_name.constData(), target.constData()); }) != 0)
            return false;
        m_name.clear();
        return true;
    }

private:
    // Tries hidden names in `folder` until `create` makes one that was free.
    template <typename Create>
    bool nameFreely(const QByteArray &folder, const QByteArray &base, Create create)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = folder + "/." + base + '.' +
                                    QByteArray::number(QRandomGenerator::global()->generate(), 36) +
                                    '~';
            if (retryInterrupted([&] { return create(name); }) >= 0) {
                m_name = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    int m_fd = -1;
    QByteArray m_name;
};

} // namespace

QString writeWholeFile(const QString &path, const QByteArray &bytes, FileAccess access)
{
    QFileInfo target(path);
    for (int depth = 0; depth < 40 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    // A link that still leads to a link leads round in a circle (or too far): writing would
    // put a file in place of the link the user made.
    if (target.isSymLink())
        return failure(ELOOP);
    if (target.isDir())
        return Text::tr("It is a folder, not a file.");
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
    const QByteArray base = QFile::encodeName(target.fileName());
    struct stat old
    {};
    const bool replacing = ::stat(finalName.constData(), &old) == 0;
    NewFile file;
    const bool shared = access == FileAccess::Shared;
    if (!file.open(folder, base, replacing || !shared ? 0600 : 0666))
        return failure(errno);
    // A replaced file keeps who may read it.
    if (replacing && shared)
        ::fchmod(file.fd(), old.st_mode & 07777);
    if (!file.write(bytes) || !file.close(folder, base) || !file.replace(finalName))
        return failure(errno);
    // The new name reaches the disk too; the file is already in place, so this is a courtesy.
    const int directory = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return QString();
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
