// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/tally_document.h"

#include <QObject>

#include <array>

class QLabel;
class QLineEdit;

// A mark beside each name box while its tally holds counts that its file does not, the
// desktop's "*" of a changed document; its tooltip, and what assistive technology reads, say
// how far the tally is from its file and whether a recovery copy keeps the difference. Short,
// so that the status bar's line keeps the window's whole width.
class StatusReport;

class SavedMarks : public QObject
{
    Q_OBJECT

public:
    // The kept counts of both tallies go into `status`'s tooltip as well.
    SavedMarks(const TallyDocument &document, const std::array<QLineEdit *, 2> &nameBoxes,
               StatusReport *status);

    // The recovery copy could not be written: the tooltips stop promising one.
    void copyFailed(const QString &error);

private:
    void show(WhichTally which);

    void noteKept();

    const TallyDocument &m_document;
    StatusReport *m_status;
    std::array<QLabel *, 2> m_marks{};
    QString m_copyError;
};
