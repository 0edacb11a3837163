// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_loading.h"

#include "tally_file.h"

namespace {

double strictOrZero(QStringView text, const NumberFormat &format)
{
    return readStrictNumber(text, format).value_or(0.0);
}

// Adds `count` figures of unit `row` as tally files add them.
TotalKind addRow(Totals &totals, double count, int row, const UnitCatalogue &catalogue,
                 PriceReading prices, const NumberFormat &format)
{
    if (count == 0)
        return TotalKind::None;
    const QStringView priceText = catalogue.UnitPrice.at(row);
    double price = 0;
    if (!priceText.isEmpty())
        price = prices == PriceReading::Strict ? strictOrZero(priceText, format)
                                               : readNumber(priceText);
    return addToTotals(totals, count > 0 ? count : 0.0,
                       strictOrZero(catalogue.UnitPointValue.at(row), format) * count,
                       price * count);
}

} // namespace

TallyUpdate loadedTally(const QStringList &records, const UnitCatalogue &catalogue,
                        PriceReading prices, const NumberFormat &format)
{
    TallyUpdate update;
    update.tally.resize(catalogue.size());
    const int rows = std::min<int>(records.size(), catalogue.size());
    for (int row = 0; row < rows; ++row) {
        update.tally.counts[row] = records.at(row);
        update.overflow = addRow(update.tally.totals, readNumber(records.at(row)), row, catalogue,
                                 prices, format);
        if (update.overflow != TotalKind::None)
            return update;
    }
    return update;
}

TallyUpdate collectionWithArmy(const Tally &collection, const QStringList &armyRecords,
                               const UnitCatalogue &catalogue, const NumberFormat &format)
{
    TallyUpdate update{collection, TotalKind::None};
    const int rows =
        std::min<int>({int(armyRecords.size()), catalogue.size(), int(collection.counts.size())});
    for (int row = 0; row < rows; ++row) {
        const QString &record = armyRecords.at(row);
        const double army = readNumber(record);
        const double counted = readNumber(collection.counts.at(row));
        update.tally.counts[row] =
            counted > 0 ? doubleText(counted + army).leftJustified(TallyFile::RecordBytes, u' ')
                        : record;
        update.overflow =
            addRow(update.tally.totals, army, row, catalogue, PriceReading::Strict, format);
        if (update.overflow != TotalKind::None)
            return update;
    }
    return update;
}
