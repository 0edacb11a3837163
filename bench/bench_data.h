// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Writes a full-size, always identical data set into `folder`: "rfarm.txt" with `units` units
// of every strength class (and a few of none), realistic names, some quoted with commas;
// "current-runeforge.txt" pricing nearly every unit, plus entries that match nothing; and
// "army.sav" and "collection.sav" with a count for every row, most of them 0. The counts stay
// small enough that both tallies, and the army added to the collection, fit their totals.
// Returns false when a file could not be written.
bool writeBenchData(const QString &folder, int units, unsigned seed = 20261207);
