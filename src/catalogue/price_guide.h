// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "load_problem.h"
#include "price_table.h"
#include "unit_catalogue.h"

#include <QByteArrayView>

inline const QString PriceGuideFileName = QStringLiteral("current-runeforge.txt");

struct PriceGuideLoad
{
    PriceTable prices; // guide name -> price text; a later entry wins
    QString error;     // why the file could not be read at all
    bool unreadable = false; // the file is there, but opening or reading it failed
    QList<LoadProblem> problems;
};

// Reads the guide as pairs of fields: a guide name, then its price text.
PriceGuideLoad parsePriceGuide(QByteArrayView bytes);

// Gives every unit the price of the entry named by its guide key, and an empty price when
// there is none. A unit without a key takes the price of an empty guide name.
void applyPrices(UnitCatalogue &catalogue, const PriceTable &prices);

// Reads and parses the guide file; applyPrices gives the units its prices.
PriceGuideLoad LoadPriceGuide(const QString &path = PriceGuideFileName);
