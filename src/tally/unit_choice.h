// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_catalogue.h"

#include <QList>
#include <QStringList>

// Which units the lists show: all of them, or those the two tallies pick out.
enum class UnitChoice
{
    All,
    InCollection,
    InArmy,
    LackingForArmy, // more in the army than in the collection
    NotInCollection,
    LackingForPlan, // more needed by the planned armies than in the collection
    Spare           // more in the collection than the planned armies need
};

struct Needs;

// Whether the unit whose counts are these belongs to `choice`, the planned armies needing
// `planned` of it; counts read as the number reader reads them.
bool isChosen(UnitChoice choice, QStringView collectionCount, QStringView armyCount,
              double planned = 0);

// The catalogue rows of `choice`, in catalogue order; `plan` is what the planned armies need.
QList<int> chosenRows(UnitChoice choice, const QStringList &collection, const QStringList &army,
                      const Needs &plan);

// The figures the army has beyond the collection, and what they cost at the guide's prices.
struct Lacking
{
    double figures = 0;
    double cost = 0;
    double unpriced = 0; // figures among them whose unit has no price
};

Lacking lackingForArmy(const QStringList &collection, const QStringList &army,
                       const UnitCatalogue &catalogue);
