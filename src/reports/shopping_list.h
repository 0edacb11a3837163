// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/army_needs.h"

#include <QByteArray>

// What a plan of armies lacks, as a text file to take to the shop: a header, one line per
// lacking unit in catalogue order (ID, name, strength, faction, how many, the price of one and
// of all of them; the prices empty where the guide has none), and a last line with the figures
// and what they cost. Tab-separated, so that a spreadsheet opens it in columns; UTF-8 with CR LF.
QByteArray shoppingList(const Needs &needs, const QStringList &collection,
                        const UnitCatalogue &catalogue);
