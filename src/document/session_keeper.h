// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recovery/recovery_file.h"
#include "tally_document.h"

#include <QFutureWatcher>
#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <memory>

// Keeps this session's recovery copy while either tally holds counts that its tally file does
// not: written whole, on a thread of its own, at most about a second after the last change,
// and removed once both tallies are saved. Each session has a copy of its own, locked while it
// runs, in a folder of the working folder's under $XDG_STATE_HOME/rostermere, so two sessions in
// one folder never write over each other and a later start finds the copies of those that ended.
class SessionKeeper : public QObject
{
    Q_OBJECT

public:
    explicit SessionKeeper(TallyDocument &document, QObject *parent = nullptr);
    // Brings the copy up to date: a session that ends keeps what it counted.
    ~SessionKeeper() override;

    // The working folder's copies: $XDG_STATE_HOME/rostermere/<folder's key>.
    static QString copiesFolder();

    // The option buttons are the window's; the copy keeps which one was chosen.
    void setArmyChosen(bool army);

    // Writes or removes the copy now, as the tallies are, and waits until it is done.
    void flush();

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
    };
    // The copies of sessions in this folder that have ended, newest first; copies of sessions
    // that still run are locked and left out.
    QList<LeftCopy> leftCopies() const;

    // A left copy done with: removed (restored or discarded), or moved aside when it is bad,
    // so that nobody's data is deleted unread. Returns the new name of a moved copy.
    static void remove(const QString &path);
    static QString moveAside(const QString &path);

Q_SIGNALS:
    // The copy could not be written; said once a session.
    void failed(const QString &error);

private:
    // Whether either tally holds counts its file does not, so that there is a copy to keep.
    bool keepsCopy() const;
    void changed();
    void start();
    RecoveryCopy snapshot() const;

    TallyDocument &m_document;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_delay;
    QFutureWatcher<Written> m_writing;
    Written m_catalogue; // the identity of the loaded catalogue once known, no error
    QDateTime m_changed;
    bool m_armyChosen = false;
    bool m_pending = false;
    bool m_toldFailure = false;
};
