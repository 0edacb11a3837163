// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recovery/recovery_file.h"
#include "tally_document.h"

#include <QFuture>
#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

// Keeps this session's recovery copy while either tally holds counts that its tally file does
// not: written whole, on a thread of its own, at most about a second after the last change,
// and removed once both tallies are saved. Each session has a copy of its own, locked while it
// runs (no lock, no copy), in a folder of the working folder's under $XDG_STATE_HOME/rostermere
// that only the user may open, so two sessions in one folder never write over each other and a
// later start finds the copies of those that ended.
class SessionKeeper : public QObject
{
    Q_OBJECT

public:
    explicit SessionKeeper(TallyDocument &document, QObject *parent = nullptr);
    // Waits for nothing: a write under way ends whole on its own thread. A session that ends
    // brings its copy up to date with flush() first, as main() does.
    ~SessionKeeper() override;

    // The working folder as the system names it (its bytes need not be UTF-8), and its copies:
    // $XDG_STATE_HOME/rostermere/<digest of those bytes>.
    static QByteArray workingFolder();
    static QString copiesFolder();

    // The option buttons are the window's; the copy keeps which one was chosen.
    void setArmyChosen(bool army);

    // Writes or removes the copy now, as the tallies are, and waits until it is done. True when
    // the copy on the disk is what the tallies need (written, or removed as not needed).
    bool flush();

    // How many other sessions run in this folder now, by the locks they hold.
    int otherSessions() const;

    // This session's copy, whether or not it exists now.
    QString path() const { return m_path; }

    // What identifies the loaded catalogue, worked out once for each catalogue.
    const QByteArray &catalogueId();

    // What a write of the copy gives back: its error, and the catalogue's identity with the
    // number of the catalogue it is for.
    struct Written
    {
        QString error;
        QByteArray catalogueId;
        int catalogue = 0;
    };

    struct LeftCopy
    {
        QString path;
        DecodedRecovery decoded;
        QByteArray bytes;
    };
    struct LeftCopies
    {
        // The copies of sessions in this folder that have ended, newest first by the time they
        // record (bad ones first); copies of sessions that still run are locked and left out.
        QList<LeftCopy> copies;
        // Why copies that are there could not be looked at (a folder that can't be written
        // holds no lock); empty when none.
        QString unopened;
    };
    LeftCopies leftCopies() const;

    // The left copy at `path` was restored: it stays, locked by this session, until this
    // session's own copy (or the tally files) hold what it held with the restore done, and
    // comes back while the restore is undone.
    void adopt(const LeftCopy &copy);

    // A left copy done with: removed (restored or discarded), or moved aside when it is bad,
    // so that nobody's data is deleted unread. Returns the new name of a moved copy.
    static bool remove(const QString &path);
    static QString moveAside(const QString &path);

Q_SIGNALS:
    // The copies could not be written or removed; said once a session. `countsAtRisk` when
    // the tallies hold counts that are in no file.
    void failed(const QString &error, bool countsAtRisk);

private:
    // Whether either tally holds counts its file does not, so that there is a copy to keep.
    bool keepsCopy() const;
    void changed();
    void start();
    void written(const Written &written);
    bool lock();
    RecoveryCopy snapshot() const;

    struct Adopted
    {
        QString path;
        QByteArray bytes;
        std::unique_ptr<QLockFile> lock;
        bool restored = true; // whether the restore is done
    };

    TallyDocument &m_document;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;   // the copy's, from its first write on
    std::unique_ptr<QLockFile> m_window; // says that this session runs
    std::optional<Adopted> m_adopted;
    QTimer m_delay;
    // The write under way or done last, on a thread of the copies' own.
    QFuture<Written> m_writing;
    Written m_catalogue; // the identity of the loaded catalogue once known, no error
    QDateTime m_changed;
    bool m_armyChosen = false;
    bool m_pending = false;
    bool m_toldFailure = false;
};
