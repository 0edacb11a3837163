// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_match.h"

#include "common/numbers.h"

#include <QSet>

namespace {

QString nameKey(QStringView name, QStringView strength)
{
    return name.trimmed().toString() + QChar(u'\0') + strength.toString();
}

} // namespace

UnitFinder::UnitFinder(const UnitCatalogue &catalogue) : m_catalogue(catalogue)
{
    m_ids.reserve(m_catalogue.size());
    for (int row = 0; row < m_catalogue.size(); ++row) {
        const QStringView id = m_catalogue.UnitId.at(row);
        const auto it = m_ids.find(id);
        if (it == m_ids.end())
            m_ids.insert(id, row);
        else
            *it = -1;
    }
}

UnitFinder::Found UnitFinder::find(const UnitKey &unit) const
{
    if (const int row = m_ids.value(unit.id, -1); row >= 0)
        return {row, How::Id};
    if (m_names.isEmpty() && m_catalogue.size() > 0) {
        m_names.reserve(m_catalogue.size());
        for (int row = 0; row < m_catalogue.size(); ++row) {
            const QString key = nameKey(m_catalogue.UnitName.at(row), m_catalogue.UnitStr.at(row));
            const auto it = m_names.find(key);
            if (it == m_names.end())
                m_names.insert(key, row);
            else
                *it = -1;
        }
    }
    if (const int row = m_names.value(nameKey(unit.name, unit.strength), -1); row >= 0)
        return {row, How::NameAndStrength};
    return {};
}

UnitKey unitKey(const UnitCatalogue &catalogue, int row)
{
    return {catalogue.UnitId.value(row), catalogue.UnitName.value(row).trimmed(),
            catalogue.UnitStr.value(row)};
}

PlacedCounts placeCounts(const QList<std::pair<int, KeptCount>> &counted,
                         const UnitCatalogue &catalogue)
{
    PlacedCounts placed;
    if (counted.isEmpty())
        return placed; // the catalogue's index costs milliseconds at full size
    const UnitFinder finder(catalogue);
    QSet<int> taken;
    for (const auto &[from, kept] : counted) {
        const UnitFinder::Found found = finder.find(kept.unit);
        // Two counts for one unit: the second is kept rather than lost or summed unasked.
        if (found.row < 0 || taken.contains(found.row)) {
            placed.kept.append(kept);
            continue;
        }
        taken.insert(found.row);
        placed.rows.append({found.row, kept.count});
        ++(found.how == UnitFinder::How::Id ? placed.byId : placed.byName);
        placed.moved += found.row != from;
    }
    return placed;
}

QList<std::pair<int, KeptCount>> countedUnits(const Tally &tally, const UnitCatalogue &catalogue)
{
    QList<std::pair<int, KeptCount>> counted;
    const int rows = std::min<int>(tally.counts.size(), catalogue.size());
    for (int row = 0; row < rows; ++row)
        if (tally.counts.at(row) != u"0" && readNumber(tally.counts.at(row)) != 0)
            counted.append({row, {unitKey(catalogue, row), tally.counts.at(row)}});
    for (const KeptCount &kept : tally.kept)
        counted.append({-1, kept});
    return counted;
}

void mergeKept(QList<KeptCount> &kept, const QList<KeptCount> &more)
{
    for (const KeptCount &count : more) {
        const auto same = std::find_if(kept.begin(), kept.end(), [&count](const KeptCount &k) {
            return k.unit == count.unit;
        });
        if (same == kept.end())
            kept.append(count);
        else
            same->count = doubleText(readNumber(same->count) + readNumber(count.count));
    }
}

QString keptText(const QList<KeptCount> &kept, int most)
{
    QStringList parts;
    for (const KeptCount &count : kept.first(std::min<qsizetype>(kept.size(), most)))
        parts.append(
            QStringLiteral("%1 %2 (%3): %4")
                .arg(count.unit.id, count.unit.name, count.unit.strength, count.count.trimmed()));
    if (kept.size() > most)
        parts.append(QStringLiteral("\u2026"));
    return parts.join(QStringLiteral("; "));
}
