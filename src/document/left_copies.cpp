// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_keeper.h"

#include "common/input_file.h"

#include <QDir>
#include <QFile>

// What sessions in this folder left behind, or hold while they run: their copies and locks.

int SessionKeeper::otherSessions() const
{
    int others = 0;
    const QDir folder(copiesFolder());
    for (const QFileInfo &entry :
         folder.entryInfoList({QStringLiteral("*.window.lock")}, QDir::Files | QDir::Hidden)) {
        QLockFile lock(entry.filePath());
        lock.setStaleLockTime(0);
        others += !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
    }
    // This session's own is held too.
    return std::max(others - 1, 0);
}

SessionKeeper::LeftCopies SessionKeeper::leftCopies() const
{
    LeftCopies left;
    const QDir folder(copiesFolder());
    const QByteArray here = workingFolder();
    for (const QFileInfo &entry : folder.entryInfoList({QStringLiteral("*.copy")}, QDir::Files)) {
        if (entry.filePath() == m_path || (m_adopted && entry.filePath() == m_adopted->path))
            continue;
        // A session that still runs holds the lock of its copy. No lock, no offer: a copy that
        // can't be locked is neither offered nor removed.
        QLockFile lock(entry.filePath() + QStringLiteral(".lock"));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            if (lock.error() != QLockFile::LockFailedError)
                left.unopened = tr("The folder \"%1\" cannot be written to, so the copy in it "
                                   "cannot be opened safely.")
                                    .arg(folder.path());
            continue;
        }
        LeftCopy copy{entry.filePath(), {}, {}};
        const InputFile file = readInputFile(copy.path);
        if (file.ok()) {
            copy.bytes = file.bytes;
            copy.decoded = decodeRecovery(file.bytes);
        } else {
            copy.decoded.error = file.error;
        }
        if (copy.decoded.error.isEmpty() && copy.decoded.copy.folder != here)
            copy.decoded.error = tr("It was kept for another folder (\"%1\").")
                                     .arg(QFile::decodeName(copy.decoded.copy.folder));
        left.copies.append(copy);
    }
    // The bad ones are moved aside first; then the newest by the time of its last change.
    std::stable_sort(
        left.copies.begin(), left.copies.end(), [](const LeftCopy &a, const LeftCopy &b) {
            const bool aBad = !a.decoded.error.isEmpty(), bBad = !b.decoded.error.isEmpty();
            if (aBad != bBad)
                return aBad;
            return a.decoded.copy.changed > b.decoded.copy.changed;
        });
    return left;
}

bool SessionKeeper::remove(const QString &path)
{
    return QFile::remove(path) || !QFile::exists(path);
}

QString SessionKeeper::moveAside(const QString &path)
{
    QString aside = path + QStringLiteral(".bad");
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".bad%1").arg(n);
    return QFile::rename(path, aside) ? aside : path;
}
