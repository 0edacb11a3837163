// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally.h"

#include <QHash>
#include <QStringView>

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
    Found find(const UnitKey &unit) const;

private:
    UnitCatalogue m_catalogue;           // keeps the texts the views below look at
    QHash<QStringView, int> m_ids;       // -1 where an ID is not unique
    mutable QHash<QString, int> m_names; // name and strength; made when first needed
};

UnitKey unitKey(const UnitCatalogue &catalogue, int row);

// Counts by unit: `counted` pairs of a unit and its count text, put on the rows of `catalogue`.
struct PlacedCounts
{
    QList<std::pair<int, QString>> rows; // catalogue row and count text, in the order given
    QList<KeptCount> kept;               // of units the catalogue lacks (or two counts of one)
    int byId = 0, byName = 0;            // how the placed ones were found
    int moved = 0;                       // placed on another row than `from` gave them
};
PlacedCounts placeCounts(const QList<std::pair<int, KeptCount>> &counted,
                         const UnitCatalogue &catalogue);

// The tally's counted rows with their units, and the counts it keeps: what placeCounts takes.
QList<std::pair<int, KeptCount>> countedUnits(const Tally &tally, const UnitCatalogue &catalogue);

// Adds `more` to the kept counts, summing the counts of one unit.
void mergeKept(QList<KeptCount> &kept, const QList<KeptCount> &more);

// "101 Bone Archer (Weak): 2; ..." for a message, at most `most` of them.
QString keptText(const QList<KeptCount> &kept, int most = 10);
