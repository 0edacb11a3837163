// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_offer.h"

#include "document/ruleset_reload.h"
#include "document/session_keeper.h"
#include "messages.h"
#include "status_report.h"
#include "tally/unit_match.h"

#include <QLocale>
#include <QRadioButton>

// What the start offers of sessions that ended with counts not saved.

namespace {

QString when(const QDateTime &changed)
{
    const QDate today = QDate::currentDate();
    const QString time = changed.time().toString(QStringLiteral("HH:mm"));
    if (changed.date() == today)
        return RecoveryOffer::tr("today %1").arg(time);
    if (changed.date() == today.addDays(-1))
        return RecoveryOffer::tr("yesterday %1").arg(time);
    return QLocale().toString(changed, QLocale::ShortFormat);
}

// 'The collection "Evening" (214 figures) and the army "Raid" (12 figures)', of the tallies that
// were not saved; their number comes back in `count`.
QString keptTallies(const RecoveryCopy &copy, int &count)
{
    QStringList parts;
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        const RecoveryCopy::Kept &kept = copy.tallies[tallyIndex(which)];
        if (kept.unsaved)
            parts.append(RecoveryOffer::tr("%1 (%2)").arg(tallyTitle(which, kept.name),
                                                          figures(kept.tally.totals.number)));
    }
    count = int(parts.size());
    QString text = parts.join(RecoveryOffer::tr(" and "));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString lowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

RecoveryOffer::RecoveryOffer(TallyDocument &document, SessionKeeper &keeper, QWidget *window,
                             StatusReport *status, const std::array<QRadioButton *, 2> &options)
    : m_document(document), m_globals(document.data()), m_keeper(keeper), m_window(window),
      m_status(status), m_options(options)
{}

// Whether the copy knows the unit of each counted row, as copies of the second format do.
bool knowsUnits(const RecoveryCopy &copy)
{
    return std::all_of(copy.tallies.begin(), copy.tallies.end(), [](const RecoveryCopy::Kept &k) {
        return k.units.size() ==
                   k.tally.counts.size() - k.tally.counts.count(QStringLiteral("0")) &&
               std::none_of(k.units.begin(), k.units.end(),
                            [](const UnitKey &unit) { return unit == UnitKey{}; });
    });
}

// Why a copy whose digest is right still can't be put back on this catalogue: it must hold a
// count per unit, and totals the counts give within their range. A copy of another catalogue
// has its counts put on their units first. Its totals are rebuilt from the counts with today's
// points and prices, as a load does.
QString RecoveryOffer::fitToCatalogue(RecoveryCopy &copy, bool byUnit) const
{
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        RecoveryCopy::Kept &kept = copy.tallies[tallyIndex(which)];
        Tally &tally = kept.tally;
        if (byUnit) {
            QList<CountedUnit> counted;
            for (int row = 0, at = 0; row < int(tally.counts.size()); ++row)
                if (tally.counts.at(row) != u"0") {
                    const UnitKey &unit = kept.units.at(at++);
                    counted.append({row, unit.id, unit.name, unit.strength, tally.counts.at(row)});
                }
            appendKept(counted, tally.kept);
            const PlacedCounts placed = placeCounts(counted, m_globals.catalogue);
            tally.counts = QStringList(m_globals.catalogue.size(), QStringLiteral("0"));
            for (const auto &[row, count] : placed.rows)
                tally.counts[row] = count;
            tally.kept = placed.kept;
        }
        if (tally.counts.size() != m_globals.catalogue.size())
            return tr("It holds counts for %1 rows, and the catalogue has %2 units.")
                .arg(tally.counts.size())
                .arg(m_globals.catalogue.size());
        Totals totals;
        if (const TotalKind overflow = recountTotals(tally.counts, m_globals.catalogue, totals);
            overflow != TotalKind::None)
            return tr("Its counts would take %1 out of its range.").arg(totalName(which, overflow));
        tally.totals = totals;
    }
    return QString();
}

void RecoveryOffer::offerLeftSessions()
{
    SessionKeeper::LeftCopies left = m_keeper.leftCopies();
    if (!left.unopened.isEmpty())
        Messages::warn(m_window, tr("Counts that an earlier session of Rostermere did not save are "
                                    "waiting in a recovery copy, but it cannot be opened. %1")
                                     .arg(left.unopened));
    QList<SessionKeeper::LeftCopy *> usable, otherCatalogue;
    for (SessionKeeper::LeftCopy &copy : left.copies) {
        QString error = copy.decoded.error;
        const bool sameCatalogue = copy.decoded.copy.catalogueId == m_keeper.catalogueId();
        const bool byUnit = !sameCatalogue && knowsUnits(copy.decoded.copy);
        if (error.isEmpty() && (sameCatalogue || byUnit))
            error = fitToCatalogue(copy.decoded.copy, byUnit);
        if (!error.isEmpty()) {
            const QString aside = SessionKeeper::moveAside(copy.path);
            Messages::warn(m_window, tr("The counts kept when Rostermere last ended could not be "
                                        "read back, so nothing was restored. %1 The copy was moved "
                                        "aside to \"%2\".")
                                         .arg(error, aside));
            continue;
        }
        int count = 0;
        keptTallies(copy.decoded.copy, count);
        if (count == 0)
            SessionKeeper::remove(copy.path);
        else
            (sameCatalogue || byUnit ? usable : otherCatalogue).append(&copy);
    }
    if (!otherCatalogue.isEmpty() && !offerToKeep(otherCatalogue))
        for (const SessionKeeper::LeftCopy *copy : otherCatalogue)
            SessionKeeper::remove(copy->path);
    if (!usable.isEmpty())
        offerToRestore(*usable.front(), int(usable.size()) - 1);
}

bool RecoveryOffer::offerToKeep(const QList<SessionKeeper::LeftCopy *> &copies)
{
    QString text;
    if (copies.size() == 1) {
        int count = 0;
        const RecoveryCopy &copy = copies.front()->decoded.copy;
        const QString tallies = keptTallies(copy, count);
        text = tr("%1 was not saved when Rostermere last ended (%2), but the counts belong to "
                  "another catalogue than the one in \"rfarm.txt\" now, so they were not put "
                  "back.",
                  nullptr, count)
                   .arg(tallies, when(copy.changed));
    } else {
        text = tr("%1 sessions of Rostermere ended with counts not saved that belong to another "
                  "catalogue than the one in \"rfarm.txt\" now, so they were not put back.")
                   .arg(copies.size());
    }
    return Messages::offer(m_window,
                           text + u' ' +
                               tr("Keep them to be offered again when Rostermere starts here with "
                                  "that catalogue, or discard them?"),
                           tr("Keep"), tr("Discard"));
}

void RecoveryOffer::offerToRestore(const SessionKeeper::LeftCopy &left, int waiting)
{
    const RecoveryCopy &copy = left.decoded.copy;
    int count = 0;
    const QString tallies = keptTallies(copy, count);
    QString question =
        tr("%1 was not saved when Rostermere last ended (%2). Restore it?", nullptr, count)
            .arg(tallies, when(copy.changed));
    if (waiting > 0)
        question += u' ' + tr("%n more unsaved session(s) waiting; the next start offers the "
                              "newest.",
                              nullptr, waiting);
    if (!Messages::offer(m_window, question, tr("Restore"), tr("Discard"))) {
        SessionKeeper::remove(left.path);
        return;
    }
    const QString restored = lowerFirst(tallies);
    m_document.restoreTallies({copy.collection().tally, copy.army().tally},
                              {copy.collection().name, copy.army().name},
                              tr("restoring %1").arg(restored));
    m_status->say(tr("Restored %1.").arg(restored));
    if (copy.catalogueId != m_keeper.catalogueId())
        m_status->sayToo(
            tr("The catalogue has changed since; the counts were put on their units."));
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
        if (const QList<KeptCount> &kept = copy.tallies[tallyIndex(which)].tally.kept;
            !kept.isEmpty())
            Messages::warn(
                m_window,
                forTally(which,
                         tr("The catalogue has no unit for %n unit(s) counted in the army: "
                            "%1. Their counts are kept with it (in no total) and saved with "
                            "it, and go back on their units when the catalogue has them "
                            "again.",
                            nullptr, int(kept.size())),
                         tr("The catalogue has no unit for %n unit(s) counted in the "
                            "collection: %1. Their counts are kept with it (in no total) "
                            "and saved with it, and go back on their units when the "
                            "catalogue has them again.",
                            nullptr, int(kept.size())))
                    .arg(keptText(kept)));
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
        if (!copy.tallies[tallyIndex(which)].unsaved)
            m_document.markSaved(which);
    m_options[copy.armyChosen]->setChecked(true);
    // The copy they came from stays until this session's own copy holds them, and comes back
    // while the restore is undone; any other copies wait for the next start.
    m_keeper.adopt(left);
    m_keeper.flush();
}
