// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"
#include "tally/tally.h"

// How a load reads unit prices: the army reads them strictly in the user's format, the
// collection with the forgiving number reader, as both always have.
enum class PriceReading
{
    Strict,
    Forgiving
};

struct TallyUpdate
{
    Tally tally;                          // the tally as it is after the command
    TotalKind overflow = TotalKind::None; // when set, the command must change nothing
};

// A tally made of the file's records: row i takes record i as its text, blanks included, and
// the rows the file does not reach become "0". The totals are built row by row: figures from
// counts above 0, points from the strictly read point value, money from the price read as
// `prices` says. A value the strict reader can't read adds nothing for that unit.
TallyUpdate loadedTally(const QStringList &records, const UnitCatalogue &catalogue,
                        PriceReading prices, const NumberFormat &format);

// As loadedTally and collectionWithArmy, with the records given for the rows they belong to;
// rows not given are "0" in a loaded tally and left alone by an add.
TallyUpdate loadedRows(const QList<std::pair<int, QString>> &rows, const UnitCatalogue &catalogue,
                       PriceReading prices, const NumberFormat &format);
TallyUpdate collectionWithArmyRows(const Tally &collection,
                                   const QList<std::pair<int, QString>> &armyRows,
                                   const UnitCatalogue &catalogue, const NumberFormat &format);

// The collection with a saved army's records added: a row counted in the collection becomes
// the sum padded to 30 characters, any other row takes the army's record as it stands. The
// totals rise by the army's figures, strictly read points and strictly read prices. Rows the
// army file does not reach are left alone.
TallyUpdate collectionWithArmy(const Tally &collection, const QStringList &armyRecords,
                               const UnitCatalogue &catalogue, const NumberFormat &format);
