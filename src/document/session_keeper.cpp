// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_keeper.h"

#include "common/background.h"
#include "common/input_file.h"
#include "common/output_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SessionKeeper)
};

// What one write of the copies is to do: this session's copy, and the copy a restore came
// from while that restore is undone.
struct Job
{
    QString path;
    std::optional<RecoveryCopy> copy; // nothing: the copy is not needed
    QString adoptedPath;              // empty: nothing was restored
    QByteArray adoptedBytes;
    bool restored = true;
};

// Brings the copies to what `job` says. Runs on a thread of its own, with the data taken when
// the change was made; the catalogue's identity is worked out there when it is not yet known,
// and handed back. Whatever fails, one of the two copies holds the restored counts: the one
// that is to go goes only once the one that stays is written.
SessionKeeper::Written keep(Job job, const UnitCatalogue &units, SessionKeeper::Written known)
{
    const bool adopted = !job.adoptedPath.isEmpty();
    if (adopted && !job.restored && !QFile::exists(job.adoptedPath)) {
        known.error = writeWholeFile(job.adoptedPath, job.adoptedBytes, FileAccess::Private);
        if (!known.error.isEmpty()) {
            known.error = Text::tr("\"%1\": %2").arg(job.adoptedPath, known.error);
            return known;
        }
    }
    if (!job.copy) {
        if (QFile::exists(job.path) && !QFile::remove(job.path))
            known.error =
                Text::tr("The recovery copy \"%1\" could not be removed. Both tallies are "
                         "saved, so no counts are lost; the next start may offer it.")
                    .arg(job.path);
    } else {
        if (known.catalogueId.isEmpty())
            known.catalogueId = catalogueIdentity(units);
        job.copy->catalogueId = known.catalogueId;
        describeUnits(*job.copy, units);
        if (const QString error =
                writeWholeFile(job.path, encodeRecovery(*job.copy), FileAccess::Private);
            !error.isEmpty())
            known.error = Text::tr("\"%1\": %2").arg(job.path, error);
    }
    if (adopted && job.restored && known.error.isEmpty())
        QFile::remove(job.adoptedPath);
    return known;
}

// Makes the copies folder, and the program's folder above it, readable by the user alone.
bool makePrivateFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    constexpr auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return QFile::setPermissions(QFileInfo(path).path(), owner) &&
           QFile::setPermissions(path, owner);
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
    connect(&document, &TallyDocument::tallyChanged, this, &SessionKeeper::changed);
    connect(&document, &TallyDocument::nameChanged, this, &SessionKeeper::changed);
    connect(&document, &TallyDocument::savedChanged, this, &SessionKeeper::changed);
    connect(&document, &TallyDocument::restoredChanged, this, [this](bool done) {
        if (m_adopted)
            m_adopted->restored = done;
        changed();
    });
    // Held from the start to the end, so that later sessions in the folder know this one runs.
    makePrivateFolder(copiesFolder());
    m_window = std::make_unique<QLockFile>(m_path.chopped(5) + QStringLiteral(".window.lock"));
    m_window->setStaleLockTime(0);
    m_window->tryLock(0);
    // The counts now belong to the reloaded catalogue, and the copy says so.
    connect(&document, &TallyDocument::catalogueReplaced, this, [this] {
        m_catalogue = {{}, {}, m_catalogue.catalogue + 1};
        changed();
    });
}

SessionKeeper::~SessionKeeper() = default;

QByteArray SessionKeeper::workingFolder()
{
    // Qt's own names for a folder are text, and bytes that are not UTF-8 do not survive that;
    // the key must tell every folder apart.
    char resolved[PATH_MAX];
    if (::realpath(".", resolved) == nullptr)
        return QFile::encodeName(QDir::currentPath());
    return QByteArray(resolved);
}

QString SessionKeeper::copiesFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/rostermere/") +
           QString::fromLatin1(QCryptographicHash::hash(workingFolder(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(20));
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

bool SessionKeeper::lock()
{
    if (m_lock && m_lock->isLocked())
        return true;
    makePrivateFolder(copiesFolder());
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

void SessionKeeper::start()
{
    if (m_writing.isRunning())
        return; // the write under way starts the delay again when it ends
    m_pending = false;
    Job job{m_path, std::nullopt, {}, {}, true};
    if (m_adopted)
        job = {m_path, std::nullopt, m_adopted->path, m_adopted->bytes, m_adopted->restored};
    if (keepsCopy()) {
        // Another window takes a copy without a lock for one whose session has ended.
        if (!lock()) {
            Written refused = m_catalogue;
            refused.error = Text::tr("\"%1\" could not be locked for this window.").arg(m_path);
            m_writing = Background::runThen(
                Background::recoveryCopies(), this, [refused] { return refused; },
                [this](const QFuture<Written> &ended) { written(ended.result()); });
            return;
        }
        job.copy = snapshot();
    }
    m_writing = Background::runThen(
        Background::recoveryCopies(), this,
        [job, catalogue = m_document.data().catalogue, known = m_catalogue] {
            return keep(job, catalogue, known);
        },
        [this](const QFuture<Written> &ended) { written(ended.result()); });
}

void SessionKeeper::written(const Written &written)
{
    // An identity worked out for a catalogue since replaced is no use.
    if (written.catalogue == m_catalogue.catalogue)
        m_catalogue.catalogueId = written.catalogueId;
    if (!written.error.isEmpty() && !std::exchange(m_toldFailure, true))
        Q_EMIT failed(written.error, keepsCopy());
    if (m_pending && !m_delay.isActive())
        m_delay.start();
}

bool SessionKeeper::flush()
{
    m_delay.stop();
    m_writing.waitForFinished();
    if (m_pending) {
        start();
        m_writing.waitForFinished();
    }
    return m_writing.resultCount() == 0 || m_writing.result().error.isEmpty();
}

RecoveryCopy SessionKeeper::snapshot() const
{
    RecoveryCopy copy;
    copy.folder = workingFolder();
    copy.changed = m_changed;
    copy.armyChosen = m_armyChosen;
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        RecoveryCopy::Kept &kept = copy.tallies[tallyIndex(which)];
        kept.name = m_document.name(which);
        kept.tally = m_document.tally(which);
        kept.unsaved = !m_document.isSaved(which);
    }
    return copy;
}

void SessionKeeper::adopt(const LeftCopy &copy)
{
    auto lock = std::make_unique<QLockFile>(copy.path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    lock->tryLock(0);
    m_adopted = Adopted{copy.path, copy.bytes, std::move(lock), true};
    changed();
}
