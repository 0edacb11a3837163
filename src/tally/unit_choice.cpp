// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_choice.h"

#include "common/numbers.h"

bool isChosen(UnitChoice choice, QStringView collectionCount, QStringView armyCount)
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
    }
    return true;
}

QList<int> chosenRows(UnitChoice choice, const QStringList &collection, const QStringList &army)
{
    const int rows = int(std::min(collection.size(), army.size()));
    QList<int> chosen;
    for (int row = 0; row < rows; ++row)
        if (isChosen(choice, collection.at(row), army.at(row)))
            chosen.append(row);
    return chosen;
}

Lacking lackingForArmy(const QStringList &collection, const QStringList &army,
                       const UnitCatalogue &catalogue)
{
    Lacking lacking;
    const int rows = int(std::min({collection.size(), army.size(), qsizetype(catalogue.size())}));
    for (int row = 0; row < rows; ++row) {
        const double wanted = readNumber(army.at(row));
        if (wanted <= 0)
            continue;
        const double missing = wanted - std::max(0.0, readNumber(collection.at(row)));
        if (missing <= 0)
            continue;
        lacking.figures += missing;
        const QStringView price = catalogue.UnitPrice.at(row);
        if (price.trimmed().isEmpty())
            lacking.unpriced += missing;
        else
            lacking.cost += missing * readNumber(price);
    }
    return lacking;
}
