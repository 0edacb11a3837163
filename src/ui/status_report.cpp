// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_report.h"

#include "accessibility.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include <climits>
#include <limits>

StatusReport::StatusReport(QMainWindow *window)
    : QObject(window), m_line(new ValueLabel(QString(), window))
{
    QStatusBar *bar = window->statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(true);
    m_line->setObjectName(QStringLiteral("lblStatus"));
    m_line->setAccessibleName(tr("What the last command did"));
    m_line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addWidget(m_line, 1);
}

void StatusReport::say(const QString &line)
{
    if (m_line->text() == line)
        return;
    m_line->setText(line);
    showTip();
    // Read out as it appears, as a screen reader user would otherwise never hear it.
    announceChange(m_line);
}

void StatusReport::setNote(const QString &note)
{
    m_note = note;
    showTip();
}

void StatusReport::showTip()
{
    // The window's designed width may cut a long line; the whole of it is one pointer away.
    const QString line = m_line->text();
    m_line->setToolTip(m_note.isEmpty() ? line
                       : line.isEmpty() ? m_note
                                        : line + QStringLiteral("\n\n") + m_note);
}

void StatusReport::sayToo(const QString &sentence)
{
    const QString now = line();
    say(now.isEmpty() ? sentence : now + u' ' + sentence);
}

QString StatusReport::line() const
{
    return m_line->text();
}

QString figures(qint64 count)
{
    // A file may count more figures than a plural form's number holds.
    if (count > std::numeric_limits<int>::max())
        return StatusReport::tr("%1 figures").arg(count);
    return StatusReport::tr("%n figure(s)", nullptr, int(count));
}

QString units(qint64 count)
{
    return StatusReport::tr("%n unit(s)", nullptr, int(std::min<qint64>(count, INT_MAX)));
}
