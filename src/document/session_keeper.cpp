// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_keeper.h"

#include "common/input_file.h"
#include "common/output_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <optional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SessionKeeper", text);
}

// Brings the copy at `path` to `copy`, or removes it when there is nothing to keep. Runs on a
// thread of its own, with the data taken when the change was made; the catalogue's identity is
// worked out there when it is not yet known, and handed back.
SessionKeeper::Written keep(const QString &path, std::optional<RecoveryCopy> copy,
                            const UnitCatalogue &units, SessionKeeper::Written known)
{
    if (!copy) {
        if (QFile::exists(path) && !QFile::remove(path))
            known.error = tr("The recovery copy \"%1\" could not be removed.").arg(path);
        return known;
    }
    if (known.catalogueId.isEmpty())
        known.catalogueId = catalogueIdentity(units);
    copy->catalogueId = known.catalogueId;
    if (!QDir().mkpath(QFileInfo(path).path()))
        known.error = tr("The folder \"%1\" could not be made.").arg(QFileInfo(path).path());
    else if (const QString error = writeWholeFile(path, encodeRecovery(*copy)); !error.isEmpty())
        known.error = tr("\"%1\": %2").arg(path, error);
    return known;
}

} // namespace

SessionKeeper::SessionKeeper(TallyDocument &document, QObject *parent)
    : QObject(parent), m_document(document)
{
    // Two windows of one process may start within a millisecond.
    static std::atomic<int> sessions = 0;
    m_path = copiesFolder() + QStringLiteral("/%1-%2-%3.copy")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(QDateTime::currentMSecsSinceEpoch())
                                  .arg(++sessions);
    m_delay.setSingleShot(true);
    m_delay.setInterval(1000);
    connect(&m_delay, &QTimer::timeout, this, &SessionKeeper::start);
    connect(&m_writing, &QFutureWatcher<Written>::finished, this, [this] {
        const Written written = m_writing.result();
        // An identity worked out for a catalogue since replaced is no use.
        if (written.catalogue == m_catalogue.catalogue)
            m_catalogue.catalogueId = written.catalogueId;
        if (!written.error.isEmpty() && !std::exchange(m_toldFailure, true))
            Q_EMIT failed(written.error);
        if (m_pending && !m_delay.isActive())
            m_delay.start();
    });
    connect(&document, &TallyDocument::tallyChanged, this, &SessionKeeper::changed);
    connect(&document, &TallyDocument::nameChanged, this, &SessionKeeper::changed);
    connect(&document, &TallyDocument::savedChanged, this, &SessionKeeper::changed);
    // The counts now belong to the reloaded catalogue, and the copy says so.
    connect(&document, &TallyDocument::catalogueReplaced, this, [this] {
        m_catalogue = {{}, {}, m_catalogue.catalogue + 1};
        changed();
    });
}

SessionKeeper::~SessionKeeper()
{
    m_writing.disconnect(this);
    flush();
}

QString SessionKeeper::copiesFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QByteArray folder = QDir::current().canonicalPath().toUtf8();
    return state + QStringLiteral("/rostermere/") +
           QString::fromLatin1(
               QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(20));
}

const QByteArray &SessionKeeper::catalogueId()
{
    if (m_catalogue.catalogueId.isEmpty())
        m_catalogue.catalogueId = catalogueIdentity(m_document.data().catalogue);
    return m_catalogue.catalogueId;
}

void SessionKeeper::setArmyChosen(bool army)
{
    // Only a copy that is kept needs to know.
    if (std::exchange(m_armyChosen, army) != army && keepsCopy())
        changed();
}

bool SessionKeeper::keepsCopy() const
{
    return !m_document.isSaved(WhichTally::Collection) || !m_document.isSaved(WhichTally::Army);
}

void SessionKeeper::changed()
{
    m_changed = QDateTime::currentDateTime();
    m_pending = true;
    if (!m_delay.isActive() && !m_writing.isRunning())
        m_delay.start();
}

void SessionKeeper::start()
{
    if (m_writing.isRunning())
        return; // the write under way starts the delay again when it ends
    m_pending = false;
    std::optional<RecoveryCopy> copy;
    if (keepsCopy()) {
        copy = snapshot();
        if (!m_lock) {
            QDir().mkpath(copiesFolder());
            m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
            m_lock->setStaleLockTime(0);
            m_lock->tryLock(0);
        }
    }
    m_writing.setFuture(
        QtConcurrent::run(keep, m_path, copy, m_document.data().catalogue, m_catalogue));
}

void SessionKeeper::flush()
{
    m_delay.stop();
    m_writing.waitForFinished();
    if (!m_pending)
        return;
    start();
    m_writing.waitForFinished();
}

RecoveryCopy SessionKeeper::snapshot() const
{
    RecoveryCopy copy;
    copy.folder = QDir::current().canonicalPath();
    copy.changed = m_changed;
    copy.armyChosen = m_armyChosen;
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        RecoveryCopy::Kept &kept = copy.tallies[which == WhichTally::Army];
        kept.name = m_document.name(which);
        kept.tally = m_document.tally(which);
        kept.unsaved = !m_document.isSaved(which);
    }
    return copy;
}

QList<SessionKeeper::LeftCopy> SessionKeeper::leftCopies() const
{
    QList<LeftCopy> left;
    const QDir folder(copiesFolder());
    for (const QFileInfo &entry :
         folder.entryInfoList({QStringLiteral("*.copy")}, QDir::Files, QDir::Time)) {
        // A session that still runs holds the lock of its copy.
        QLockFile lock(entry.filePath() + QStringLiteral(".lock"));
        lock.setStaleLockTime(0);
        if (entry.filePath() == m_path || !lock.tryLock(0))
            continue;
        LeftCopy copy{entry.filePath(), {}};
        const InputFile file = readInputFile(copy.path);
        if (file.ok())
            copy.decoded = decodeRecovery(file.bytes);
        else
            copy.decoded.error = file.error;
        if (copy.decoded.error.isEmpty() &&
            copy.decoded.copy.folder != QDir::current().canonicalPath())
            copy.decoded.error =
                tr("It was kept for another folder (\"%1\").").arg(copy.decoded.copy.folder);
        left.append(copy);
    }
    return left;
}

void SessionKeeper::remove(const QString &path)
{
    QFile::remove(path);
}

QString SessionKeeper::moveAside(const QString &path)
{
    QString aside = path + QStringLiteral(".bad");
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".bad%1").arg(n);
    return QFile::rename(path, aside) ? aside : path;
}
