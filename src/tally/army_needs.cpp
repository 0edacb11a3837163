// SPDX-License-Identifier: GPL-3.0-or-later
#include "army_needs.h"

#include "common/numbers.h"

#include <algorithm>
#include <cmath>

double Needs::at(int row) const
{
    const auto found = std::lower_bound(rows.cbegin(), rows.cend(), row);
    return found != rows.cend() && *found == row ? figures.at(found - rows.cbegin()) : 0;
}

double Needs::total() const
{
    double sum = 0;
    for (const double count : figures)
        sum += count;
    return sum;
}

Needs needsOf(const QStringList &counts)
{
    Needs needs;
    CountReader read;
    for (int row = 0; row < int(counts.size()); ++row)
        if (const double count = read(counts.at(row)); count > 0)
            needs.rows.append(row), needs.figures.append(count);
    return needs;
}

Needs combineNeeds(const QList<const Needs *> &armies, PlanWay way)
{
    if (armies.size() == 1)
        return *armies.front();
    // Merged by the rows' order: every army's rows are ascending.
    Needs combined;
    QList<qsizetype> next(armies.size(), 0);
    for (;;) {
        int row = INT_MAX;
        for (qsizetype i = 0; i < armies.size(); ++i)
            if (next[i] < armies[i]->rows.size())
                row = std::min(row, armies[i]->rows.at(next[i]));
        if (row == INT_MAX)
            return combined;
        double need = 0;
        for (qsizetype i = 0; i < armies.size(); ++i) {
            if (next[i] >= armies[i]->rows.size() || armies[i]->rows.at(next[i]) != row)
                continue;
            const double count = armies[i]->figures.at(next[i]++);
            need = way == PlanWay::Together ? need + count : std::max(need, count);
        }
        combined.rows.append(row);
        combined.figures.append(need);
    }
}

namespace {

double priceOf(QStringView price)
{
    return price.trimmed().isEmpty() ? std::nan("") : readNumber(price);
}

// Adds what the collection holding `held` lacks of `needed` figures priced `price` each.
void addLacking(Lacking &lacking, double needed, double held, double price)
{
    const double missing = needed - std::max(0.0, held);
    if (missing <= 0)
        return;
    lacking.figures += missing;
    if (std::isnan(price))
        lacking.unpriced += missing;
    else
        lacking.cost += missing * price;
}

} // namespace

Lacking lackingFor(const Needs &needs, const QStringList &collection,
                   const UnitCatalogue &catalogue)
{
    Lacking lacking;
    for (qsizetype i = 0; i < needs.rows.size(); ++i) {
        const int row = needs.rows.at(i);
        if (row >= collection.size() || row >= catalogue.size())
            break;
        addLacking(lacking, needs.figures.at(i), readNumber(collection.at(row)),
                   priceOf(catalogue.UnitPrice.at(row)));
    }
    return lacking;
}

QList<double> heldFigures(const QStringList &collection)
{
    QList<double> held(collection.size());
    CountReader read;
    for (qsizetype row = 0; row < collection.size(); ++row)
        held[row] = std::max(0.0, read(collection.at(row)));
    return held;
}

QList<double> unitPrices(const UnitCatalogue &catalogue)
{
    QList<double> prices(catalogue.size());
    for (int row = 0; row < catalogue.size(); ++row)
        prices[row] = priceOf(catalogue.UnitPrice.at(row));
    return prices;
}

Lacking lackingFor(const Needs &needs, const QList<double> &held, const QList<double> &prices)
{
    Lacking lacking;
    for (qsizetype i = 0; i < needs.rows.size(); ++i) {
        const int row = needs.rows.at(i);
        if (row >= held.size() || row >= prices.size())
            break;
        addLacking(lacking, needs.figures.at(i), held.at(row), prices.at(row));
    }
    return lacking;
}

double lackingAt(const Needs &needs, const QStringList &collection, int row)
{
    if (row < 0 || row >= collection.size())
        return 0;
    return std::max(0.0, needs.at(row) - std::max(0.0, readNumber(collection.at(row))));
}

double spareAt(const Needs &needs, const QStringList &collection, int row)
{
    if (row < 0 || row >= collection.size())
        return 0;
    return std::max(0.0, readNumber(collection.at(row)) - needs.at(row));
}
