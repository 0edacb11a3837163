// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally.h"

#include "common/numbers.h"
#include "unit_match.h"

#include <cmath>

TotalsText totalsText(const Totals &totals, QChar decimalSeparator)
{
    return {QString::number(totals.number), QString::number(totals.value),
            singleText(totals.price, decimalSeparator)};
}

TotalKind addToTotals(Totals &totals, double figures, double points, double money)
{
    const std::optional<qint16> number = roundToInt16(double(totals.number) + figures);
    if (!number)
        return TotalKind::Figures;
    const std::optional<qint16> value = roundToInt16(double(totals.value) + points);
    if (!value)
        return TotalKind::Points;
    const float price = static_cast<float>(double(totals.price) + money);
    if (!std::isfinite(price))
        return TotalKind::Money;
    totals = Totals{*number, *value, price};
    return TotalKind::None;
}

void Tally::resize(int rows)
{
    // New rows share one "0".
    counts.resize(rows, QStringLiteral("0"));
}

FigureChange changeFigure(Tally &tally, int row, QStringView pointValue, QStringView price,
                          Step step)
{
    if (row < 0 || row >= tally.counts.size())
        return {};
    float count = static_cast<float>(readNumber(tally.counts.at(row)));
    if (step == Step::Remove && !(count > 0))
        return {};
    count = step == Step::Add ? count + 1.0f : count - 1.0f;
    if (!std::isfinite(count))
        return {false, TotalKind::Figures, count};

    const double sign = step == Step::Add ? 1.0 : -1.0;
    const double points = sign * readNumber(pointValue), money = sign * readNumber(price);
    const Totals before = tally.totals;
    const TotalKind overflow = addToTotals(tally.totals, sign, points, money);
    switch (overflow) {
    case TotalKind::None:
        break;
    case TotalKind::Figures:
        return {false, overflow, before.number + sign};
    case TotalKind::Points:
        return {false, overflow, before.value + points};
    case TotalKind::Money:
        return {false, overflow, before.price + money};
    }
    tally.counts[row] = singleText(count);
    return {true, TotalKind::None, 0};
}

TotalKind recountTotals(const QStringList &counts, const UnitCatalogue &catalogue, Totals &totals)
{
    Totals sum;
    const qsizetype rows = std::min<qsizetype>(counts.size(), catalogue.size());
    for (qsizetype row = 0; row < rows; ++row) {
        // Most rows of a big catalogue hold no figures, and a plain "0" needs no reading.
        if (counts.at(row) == u"0")
            continue;
        const double count = readNumber(counts.at(row));
        if (count == 0)
            continue;
        const TotalKind overflow = addToTotals(sum, count > 0 ? count : 0.0,
                                               readNumber(catalogue.UnitPointValue.at(row)) * count,
                                               readNumber(catalogue.UnitPrice.at(row)) * count);
        if (overflow != TotalKind::None)
            return overflow;
    }
    totals = sum;
    return TotalKind::None;
}

CarriedTally carryOver(const Tally &current, const UnitCatalogue &catalogue)
{
    CarriedTally carried{current, 0, 0, TotalKind::None};
    for (qsizetype row = catalogue.size(); row < current.counts.size(); ++row)
        if (readNumber(current.counts.at(row)) != 0)
            ++carried.droppedRows;
    carried.tally.resize(catalogue.size());
    carried.overflow = recountTotals(carried.tally.counts, catalogue, carried.tally.totals);
    return carried;
}

CarriedTally carryByUnit(const Tally &current, const UnitCatalogue &from, const UnitCatalogue &to)
{
    CarriedTally carried;
    const PlacedCounts placed = placeCounts(countedUnits(current, from), to);
    carried.tally.resize(to.size());
    for (const auto &[row, count] : placed.rows)
        carried.tally.counts[row] = count;
    carried.tally.kept = placed.kept;
    carried.moved = placed.moved;
    carried.overflow = recountTotals(carried.tally.counts, to, carried.tally.totals);
    return carried;
}
