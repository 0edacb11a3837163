// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "document/session_keeper.h"
#include "messages.h"

#include <QLocale>
#include <QRadioButton>

// What the start offers of sessions that ended with counts not saved.

namespace {

QString when(const QDateTime &changed)
{
    const QDate today = QDate::currentDate();
    const QString time = changed.time().toString(QStringLiteral("HH:mm"));
    if (changed.date() == today)
        return frmMain::tr("today %1").arg(time);
    if (changed.date() == today.addDays(-1))
        return frmMain::tr("yesterday %1").arg(time);
    return QLocale().toString(changed, QLocale::ShortFormat);
}

// 'The collection "Evening" (214 figures) and the army "Raid" (12 figures)', of the tallies that
// were not saved; their number comes back in `count`.
QString keptTallies(const RecoveryCopy &copy, int &count)
{
    QStringList parts;
    for (const auto &[kept, word] : {std::pair{&copy.collection(), frmMain::tr("collection")},
                                     std::pair{&copy.army(), frmMain::tr("army")}})
        if (kept->unsaved)
            parts.append(frmMain::tr("the %1 \"%2\" (%3)")
                             .arg(word, kept->name,
                                  kept->tally.totals.number == 1
                                      ? frmMain::tr("1 figure")
                                      : frmMain::tr("%1 figures").arg(kept->tally.totals.number)));
    count = int(parts.size());
    QString text = parts.join(frmMain::tr(" and "));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

void frmMain::offerLeftSessions()
{
    for (const SessionKeeper::LeftCopy &left : m_keeper->leftCopies()) {
        if (!left.decoded.error.isEmpty()) {
            const QString aside = SessionKeeper::moveAside(left.path);
            Messages::warn(this, tr("The counts kept when Rostermere last ended could not be "
                                    "read back, so nothing was restored. %1 The copy was moved "
                                    "aside to \"%2\".")
                                     .arg(left.decoded.error, aside));
            continue;
        }
        const RecoveryCopy &copy = left.decoded.copy;
        int count = 0;
        const QString tallies = keptTallies(copy, count);
        if (count == 0) {
            SessionKeeper::remove(left.path);
            continue;
        }
        if (copy.catalogueId != m_keeper->catalogueId()) {
            Messages::warn(
                this, tr("%1 %2 not saved when Rostermere last ended (%3), but the "
                         "counts belong to another catalogue than the one in "
                         "\"rfarm.txt\" now, so they were not put back. They are "
                         "kept, and offered again when Rostermere starts here with "
                         "that catalogue.")
                          .arg(tallies, count == 1 ? tr("was") : tr("were"), when(copy.changed)));
            continue;
        }
        if (!Messages::offer(this,
                             tr("%1 %2 not saved when Rostermere last ended (%3). Restore %4?")
                                 .arg(tallies, count == 1 ? tr("was") : tr("were"),
                                      when(copy.changed), count == 1 ? tr("it") : tr("them")),
                             tr("Restore"), tr("Discard"))) {
            SessionKeeper::remove(left.path);
            continue;
        }
        QString restored = tallies;
        restored[0] = restored[0].toLower();
        m_document.restoreTallies({copy.collection().tally, copy.army().tally},
                                  {copy.collection().name, copy.army().name},
                                  tr("restoring %1").arg(restored));
        say(tr("Restored %1.").arg(restored));
        for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
            if (!copy.tallies[which == WhichTally::Army].unsaved)
                m_document.markSaved(which);
        (copy.armyChosen ? ui.optArmy : ui.optCollection)->setChecked(true);
        // This session's own copy holds them before the one they came from goes; any other
        // copies wait for the next start.
        m_keeper->flush();
        SessionKeeper::remove(left.path);
        return;
    }
}
