// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit_choice.h"

#include <QList>
#include <QStringList>

// What armies need of each unit, kept for the units they count only: an army counts a few
// dozen of a catalogue's thousands, so the plan of twenty armies is summed and compared in
// the time of the units they name.
struct Needs
{
    QList<int> rows;       // catalogue rows, ascending
    QList<double> figures; // how many of the unit at the same place, each above 0

    // How many of the unit of `row` are needed; 0 when it is not among them.
    double at(int row) const;
    double total() const;
    friend bool operator==(const Needs &, const Needs &) = default;
};

// The figures a tally counts, unit by unit (counts read as the number reader reads them; 0 or
// less is no need).
Needs needsOf(const QStringList &counts);

// Several armies at once: played together the collection must hold the sum of what they count,
// played one at a time the most any one of them counts.
enum class PlanWay
{
    Together,
    OneAtATime
};
Needs combineNeeds(const QList<const Needs *> &armies, PlanWay way);

// What the collection lacks of `needs`, and what that costs at the guide's prices.
Lacking lackingFor(const Needs &needs, const QStringList &collection,
                   const UnitCatalogue &catalogue);

// The same with the collection's counts (0 for none or less) and the guide's prices (NaN for
// none) read once for every row, for a plan that compares many armies on every change.
QList<double> heldFigures(const QStringList &collection);
QList<double> unitPrices(const UnitCatalogue &catalogue);
Lacking lackingFor(const Needs &needs, const QList<double> &held, const QList<double> &prices);

// The figures of the unit of `row` that the collection holds beyond `needs`, and that it lacks
// of them; 0 when none.
double spareAt(const Needs &needs, const QStringList &collection, int row);
double lackingAt(const Needs &needs, const QStringList &collection, int row);
