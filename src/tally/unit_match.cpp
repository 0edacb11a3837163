// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_match.h"

#include "common/numbers.h"

#include <QMutex>

#include <vector>

namespace {

template <typename Key> void index(QHash<Key, int> &keys, const Key &key, int row)
{
    const auto it = keys.find(key);
    if (it == keys.end())
        keys.insert(key, row);
    else
        *it = -1;
}

} // namespace

UnitFinder::UnitFinder(const UnitCatalogue &catalogue)
    : m_ids(catalogue.UnitId), m_names(catalogue.UnitName), m_strengths(catalogue.UnitStr)
{
    m_byId.reserve(m_ids.size());
    for (int row = 0; row < m_ids.size(); ++row)
        index(m_byId, Key{m_ids.at(row), {}}, row);
}

bool UnitFinder::isFor(const UnitCatalogue &catalogue) const
{
    // A catalogue read again, or changed, has texts of its own: their buffers are not these.
    const auto same = [](const UnitTexts &mine, const UnitTexts &theirs) {
        return mine.text().utf16() == theirs.text().utf16() &&
               mine.text().size() == theirs.text().size() &&
               mine.ends().constData() == theirs.ends().constData() && mine.size() == theirs.size();
    };
    return same(m_ids, catalogue.UnitId) && same(m_names, catalogue.UnitName) &&
           same(m_strengths, catalogue.UnitStr);
}

std::shared_ptr<const UnitFinder> UnitFinder::of(const UnitCatalogue &catalogue)
{
    static QMutex guard;
    static std::shared_ptr<const UnitFinder> last;
    const QMutexLocker lock(&guard);
    if (!last || !last->isFor(catalogue))
        last = std::make_shared<const UnitFinder>(catalogue);
    return last;
}

UnitFinder::Found UnitFinder::find(QStringView id, QStringView name, QStringView strength) const
{
    if (const int row = m_byId.value({id, {}}, -1); row >= 0)
        return {row, How::Id};
    std::call_once(m_byNameMade, [this] {
        m_byName.reserve(m_names.size());
        for (int row = 0; row < m_names.size(); ++row)
            index(m_byName, Key{m_names.at(row).trimmed(), m_strengths.at(row)}, row);
    });
    if (const int row = m_byName.value({name.trimmed(), strength}, -1); row >= 0)
        return {row, How::NameAndStrength};
    return {};
}

UnitKey unitKey(const UnitCatalogue &catalogue, int row)
{
    return {catalogue.UnitId.value(row), catalogue.UnitName.value(row).trimmed(),
            catalogue.UnitStr.value(row)};
}

PlacedCounts placeCounts(const QList<CountedUnit> &counted, const UnitCatalogue &catalogue)
{
    PlacedCounts placed;
    if (counted.isEmpty())
        return placed;
    const std::shared_ptr<const UnitFinder> finder = UnitFinder::of(catalogue);
    std::vector<bool> taken(catalogue.size());
    placed.rows.reserve(counted.size());
    for (const CountedUnit &unit : counted) {
        const UnitFinder::Found found = finder->find(unit.id, unit.name, unit.strength);
        // Two counts for one unit: the second is kept rather than lost or summed unasked.
        if (found.row < 0 || taken[found.row]) {
            placed.kept.append(
                {{unit.id.toString(), unit.name.trimmed().toString(), unit.strength.toString()},
                 unit.count});
            continue;
        }
        taken[found.row] = true;
        placed.rows.append({found.row, unit.count});
        ++(found.how == UnitFinder::How::Id ? placed.byId : placed.byName);
        placed.moved += found.row != unit.from;
    }
    return placed;
}

QList<CountedUnit> countedUnits(const Tally &tally, const UnitCatalogue &catalogue)
{
    QList<CountedUnit> counted;
    const int rows = std::min<int>(tally.counts.size(), catalogue.size());
    for (int row = 0; row < rows; ++row)
        if (isCounted(tally.counts.at(row)))
            counted.append({row, catalogue.UnitId.at(row), catalogue.UnitName.at(row),
                            catalogue.UnitStr.at(row), tally.counts.at(row)});
    appendKept(counted, tally.kept);
    return counted;
}

void appendKept(QList<CountedUnit> &counted, const QList<KeptCount> &kept)
{
    for (const KeptCount &count : kept)
        counted.append({-1, count.unit.id, count.unit.name, count.unit.strength, count.count});
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
