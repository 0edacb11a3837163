// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_report.h"

#include "accessibility.h"
#include "document/ruleset_reload.h"

#include <QAccessible>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

StatusReport::StatusReport(QMainWindow *window, const TallyDocument &document)
    : QObject(window), m_document(document), m_line(new ValueLabel(QString(), window)),
      m_shown(new ValueLabel(QString(), window))
{
    QStatusBar *bar = window->statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(true);
    m_line->setObjectName(QStringLiteral("lblStatus"));
    m_line->setAccessibleName(tr("What the last command did"));
    m_line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addWidget(m_line, 1);
    m_shown->setObjectName(QStringLiteral("lblShown"));
    m_shown->setAccessibleName(tr("Units shown"));
    bar->addPermanentWidget(m_shown);
    m_shown->hide();
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        const bool army = which == WhichTally::Army;
        auto *saved = new ValueLabel(QString(), window);
        saved->setObjectName(army ? QStringLiteral("lblArmySaved")
                                  : QStringLiteral("lblCollectionSaved"));
        saved->setAccessibleName(army ? tr("Whether the army is saved")
                                      : tr("Whether the collection is saved"));
        saved->setToolTip(tr("Changes not yet saved are kept in a recovery copy, and offered "
                             "back if Rostermere ends before you save them."));
        m_saved[army] = saved;
        bar->addPermanentWidget(saved);
        showSaved(which);
    }
    connect(&document, &TallyDocument::tallyChanged, this,
            [this](WhichTally which) { showSaved(which); });
    connect(&document, &TallyDocument::savedChanged, this,
            [this](WhichTally which) { showSaved(which); });
    connect(&document, &TallyDocument::catalogueReplaced, this, [this] {
        showSaved(WhichTally::Collection);
        showSaved(WhichTally::Army);
    });
}

void StatusReport::say(const QString &line)
{
    if (m_line->text() == line)
        return;
    m_line->setText(line);
    // The window's designed width may cut a long line; the whole of it is one pointer away.
    m_line->setToolTip(line);
#if QT_CONFIG(accessibility)
    // Read out as it appears, as a screen reader user would otherwise never hear it.
    QAccessibleEvent event(m_line, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
#endif
}

void StatusReport::showUnitsShown(const QString &text)
{
    m_shown->setText(text);
    m_shown->setVisible(!text.isEmpty());
}

QString StatusReport::line() const
{
    return m_line->text();
}

void StatusReport::showSaved(WhichTally which)
{
    const int changes = m_document.unsavedChanges(which);
    QString state;
    if (changes > 0)
        state = changes == 1 ? tr("1 change not saved") : tr("%1 changes not saved").arg(changes);
    else
        state = m_document.hasFile(which) ? tr("saved") : tr("no changes");
    QString word = tallyWord(which);
    word[0] = word[0].toUpper();
    m_saved[which == WhichTally::Army]->setText(tr("%1: %2").arg(word, state));
}

QString figures(qint64 count)
{
    return count == 1 ? StatusReport::tr("1 figure") : StatusReport::tr("%1 figures").arg(count);
}

QString units(qint64 count)
{
    return count == 1 ? StatusReport::tr("1 unit") : StatusReport::tr("%1 units").arg(count);
}
