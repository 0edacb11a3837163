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

TallyUpdate loadedRows(const QList<std::pair<int, QString>> &rows, const UnitCatalogue &catalogue,
                       PriceReading prices, const NumberFormat &format)
{
    TallyUpdate update;
    update.tally.resize(catalogue.size());
    CountReader read;
    for (const auto &[row, record] : rows) {
        if (row < 0 || row >= catalogue.size())
            continue;
        update.tally.counts[row] = record;
        update.overflow = addRow(update.tally.totals, read(record), row, catalogue, prices, format);
        if (update.overflow != TotalKind::None)
            return update;
    }
    return update;
}

TallyUpdate collectionWithArmyRows(const Tally &collection,
                                   const QList<std::pair<int, QString>> &armyRows,
                                   const UnitCatalogue &catalogue, const NumberFormat &format)
{
    TallyUpdate update{collection, TotalKind::None};
    CountReader readArmy, readCollection;
    for (const auto &[row, record] : armyRows) {
        if (row < 0 || row >= catalogue.size() || row >= collection.counts.size())
            continue;
        const double army = readArmy(record);
        const double counted = readCollection(collection.counts.at(row));
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

namespace {

QList<std::pair<int, QString>> byPosition(const QStringList &records)
{
    QList<std::pair<int, QString>> rows;
    rows.reserve(records.size());
    for (int row = 0; row < int(records.size()); ++row)
        rows.append({row, records.at(row)});
    return rows;
}

} // namespace

TallyUpdate loadedTally(const QStringList &records, const UnitCatalogue &catalogue,
                        PriceReading prices, const NumberFormat &format)
{
    return loadedRows(byPosition(records), catalogue, prices, format);
}

TallyUpdate collectionWithArmy(const Tally &collection, const QStringList &armyRecords,
                               const UnitCatalogue &catalogue, const NumberFormat &format)
{
    return collectionWithArmyRows(collection, byPosition(armyRecords), catalogue, format);
}
