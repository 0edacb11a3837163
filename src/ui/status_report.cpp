// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_report.h"

#include "accessibility.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

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
    // The window's designed width may cut a long line; the whole of it is one pointer away.
    m_line->setToolTip(line);
    // Read out as it appears, as a screen reader user would otherwise never hear it.
    announceChange(m_line);
}

QString StatusReport::line() const
{
    return m_line->text();
}

QString figures(qint64 count)
{
    return count == 1 ? StatusReport::tr("1 figure") : StatusReport::tr("%1 figures").arg(count);
}

QString units(qint64 count)
{
    return count == 1 ? StatusReport::tr("1 unit") : StatusReport::tr("%1 units").arg(count);
}
