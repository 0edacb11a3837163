// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session_keeper.h"

#include <QObject>

#include <array>

class QRadioButton;
class QWidget;
class StatusReport;

// What the start offers of the sessions in this folder that ended with counts not saved:
// restored as one step, discarded, or kept when they belong to another catalogue. Bad copies
// are said and moved aside.
class RecoveryOffer : public QObject
{
    Q_OBJECT

public:
    // `options` are the window's collection and army options, which a restore sets as they were.
    RecoveryOffer(TallyDocument &document, SessionKeeper &keeper, QWidget *window,
                  StatusReport *status, const std::array<QRadioButton *, 2> &options);

    void offerLeftSessions();

private:
    // Asks once about all copies of other catalogues: true to keep them.
    bool offerToKeep(const QList<SessionKeeper::LeftCopy *> &copies);
    // Offers the newest copy back; `waiting` more wait for later starts.
    void offerToRestore(const SessionKeeper::LeftCopy &left, int waiting);
    QString fitToCatalogue(RecoveryCopy &copy, bool byUnit) const;

    TallyDocument &m_document;
    const modGlobals &m_globals;
    SessionKeeper &m_keeper;
    QWidget *m_window;
    StatusReport *m_status;
    std::array<QRadioButton *, 2> m_options;
};
