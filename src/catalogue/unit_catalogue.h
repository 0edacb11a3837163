// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit_texts.h"

#include <QString>

// The units of the game as the catalogue file lists them, in file order. Entry k of every
// list describes the unit at catalogue row k; all lists always have UnitCount entries. Each
// list is one text for all units (see UnitTexts).
struct UnitCatalogue
{
    // Row counts and tally files store the number of units in 16 bits.
    static constexpr int MaxUnits = 32767;

    UnitTexts UnitId;
    UnitTexts UnitName; // untrimmed, as read
    UnitTexts UnitStr;  // strength class
    UnitTexts UnitRarity;
    UnitTexts UnitFaction;
    UnitTexts UnitPointValue; // a number in text form, read only where it is summed
    UnitTexts UnitGuideName;  // price-guide key: trimmed name, a space and a strength tag
    UnitTexts UnitPrice;      // price text from the guide; empty when the guide has none
    qint16 UnitCount = 0;

    int size() const { return UnitCount; }

    // Makes room for `units` units read from a file of `characters`, so that a long catalogue
    // does not grow its lists as it is read.
    void reserve(int units, qsizetype characters = 0);

    // Counts in the unit whose six texts were appended to their lists directly, building its
    // guide key and its empty price.
    void completeLastUnit();
};
