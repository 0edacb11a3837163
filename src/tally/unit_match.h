// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally.h"

#include <QHash>
#include <QStringView>

#include <memory>
#include <mutex>

// A counted unit as a command has it: views of its texts in a catalogue, a unit record or a kept
// count, which must outlive the call that takes it.
struct CountedUnit
{
    int from = -1; // its row when it was counted; -1 for a kept count
    QStringView id, name, strength;
    QString count;
};

// The one rule that finds a counted unit in a catalogue, for loads, adds, reloads and restores:
// by its ID where exactly one unit has that ID, and else by its name and strength where exactly
// one unit has both. A unit found neither way is not in the catalogue.
class UnitFinder
{
public:
    enum class How
    {
        Id,
        NameAndStrength,
        Missing
    };
    struct Found
    {
        int row = -1;
        How how = How::Missing;
    };

    explicit UnitFinder(const UnitCatalogue &catalogue);
    // The finder of `catalogue`, made once while the catalogue stays the same: every command
    // after a reload asks for it, and at full size it takes milliseconds to make.
    static std::shared_ptr<const UnitFinder> of(const UnitCatalogue &catalogue);

    Found find(QStringView id, QStringView name, QStringView strength) const;

private:
    struct Key
    {
        QStringView first, second;
        friend bool operator==(const Key &a, const Key &b)
        {
            return a.first == b.first && a.second == b.second;
        }
        // Qt's seeded hash of a text this short is slow on some processors (a catalogue's IDs
        // are a few letters); its unseeded one is fast and cannot be made to collide in bulk by
        // a crafted catalogue, and the seed mixed in spreads what it gives over the table.
        friend size_t qHash(const Key &key, size_t seed) noexcept
        {
            size_t hash = (qHash(key.first, 0) ^ (qHash(key.second, 0) * 31)) ^ seed;
            hash *= 0x9E3779B97F4A7C15ULL;
            return hash ^ (hash >> 29);
        }
    };
    bool isFor(const UnitCatalogue &catalogue) const;

    UnitTexts m_ids, m_names, m_strengths; // the texts the keys below look at
    QHash<Key, int> m_byId;                // -1 where a key is not unique
    // By name and strength: made when an ID is first not found, as most never are.
    mutable QHash<Key, int> m_byName;
    mutable std::once_flag m_byNameMade;
};

UnitKey unitKey(const UnitCatalogue &catalogue, int row);

// Counts by unit, put on the rows of `catalogue`.
struct PlacedCounts
{
    QList<std::pair<int, QString>> rows; // catalogue row and count text, in the order given
    QList<KeptCount> kept;               // of units the catalogue lacks (or two counts of one)
    int byId = 0, byName = 0;            // how the placed ones were found
    int moved = 0;                       // placed on another row than `from` gave them
};
PlacedCounts placeCounts(const QList<CountedUnit> &counted, const UnitCatalogue &catalogue);

// The tally's counted rows with their units in `catalogue`, and the counts it keeps: what
// placeCounts takes. Both arguments must outlive the result.
QList<CountedUnit> countedUnits(const Tally &tally, const UnitCatalogue &catalogue);
void appendKept(QList<CountedUnit> &counted, const QList<KeptCount> &kept);

// Adds `more` to the kept counts, summing the counts of one unit.
void mergeKept(QList<KeptCount> &kept, const QList<KeptCount> &more);

// "101 Bone Archer (Weak): 2; ..." for a message, at most `most` of them.
QString keptText(const QList<KeptCount> &kept, int most = 10);
