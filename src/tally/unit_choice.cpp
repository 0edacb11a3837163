// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_choice.h"

#include "army_needs.h"
#include "common/numbers.h"

bool isChosen(UnitChoice choice, QStringView collectionCount, QStringView armyCount, double planned)
{
    switch (choice) {
    case UnitChoice::All:
        return true;
    case UnitChoice::InCollection:
        return readNumber(collectionCount) > 0;
    case UnitChoice::InArmy:
        return readNumber(armyCount) > 0;
    case UnitChoice::LackingForArmy:
        return readNumber(armyCount) > std::max(0.0, readNumber(collectionCount));
    case UnitChoice::NotInCollection:
        return readNumber(collectionCount) <= 0;
    case UnitChoice::LackingForPlan:
        return planned > std::max(0.0, readNumber(collectionCount));
    case UnitChoice::Spare:
        return readNumber(collectionCount) > std::max(0.0, planned);
    }
    return true;
}

QList<int> chosenRows(UnitChoice choice, const QStringList &collection, const QStringList &army,
                      const Needs &plan)
{
    const int rows = int(std::min(collection.size(), army.size()));
    QList<int> chosen;
    if (choice == UnitChoice::LackingForPlan) {
        // Only the units the plan names can be lacking.
        for (qsizetype i = 0; i < plan.rows.size() && plan.rows.at(i) < rows; ++i)
            if (isChosen(choice, collection.at(plan.rows.at(i)), {}, plan.figures.at(i)))
                chosen.append(plan.rows.at(i));
        return chosen;
    }
    qsizetype planned = 0; // the plan's place of the next row it names
    for (int row = 0; row < rows; ++row) {
        double need = 0;
        if (planned < plan.rows.size() && plan.rows.at(planned) == row)
            need = plan.figures.at(planned++);
        if (isChosen(choice, collection.at(row), army.at(row), need))
            chosen.append(row);
    }
    return chosen;
}

Lacking lackingForArmy(const QStringList &collection, const QStringList &army,
                       const UnitCatalogue &catalogue)
{
    return lackingFor(needsOf(army), collection, catalogue);
}
