// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/tally_document.h"

#include <QObject>

#include <array>

class QLabel;
class QMainWindow;

// The main window's foot: a line saying what the last command did, and on the right, from the
// document, whether each tally's counts are saved or how many changes are not. The window
// grows by the bar's height, so the designed controls keep their places and sizes.
class StatusReport : public QObject
{
    Q_OBJECT

public:
    StatusReport(QMainWindow *window, const TallyDocument &document);

    // Shows `line` until the next command says something; an empty line clears it.
    void say(const QString &line);
    QString line() const;
    // Which units the lists show, when not all of them; an empty text hides the part.
    void showUnitsShown(const QString &text);

private:
    void showSaved(WhichTally which);

    const TallyDocument &m_document;
    QLabel *m_line;
    QLabel *m_shown;
    std::array<QLabel *, 2> m_saved{};
};

// "1 figure", "12 figures": the counted nouns the status lines use.
QString figures(qint64 count);
QString units(qint64 count);
