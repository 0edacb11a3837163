// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_catalogue.h"

#include <QStringList>

// A tally's three running totals, in the widths that are shown and that tally files rebuild:
// figures and points in 16 bits, money in single precision.
struct Totals
{
    qint16 number = 0; // figures
    qint16 value = 0;  // points
    float price = 0;   // money

    friend bool operator==(const Totals &, const Totals &) = default;
};

// The three totals as the window shows them and the reports' summaries write them: figures and
// points as whole numbers, money in its single-precision form with `decimalSeparator`.
struct TotalsText
{
    QString pieces;
    QString points;
    QString value;
};
TotalsText totalsText(const Totals &totals, QChar decimalSeparator);

// Which total a change would take out of its range.
enum class TotalKind
{
    None,
    Figures,
    Points,
    Money
};

// Adds the three amounts to the totals, each sum taken in double precision and stored in the
// total's own width (16-bit totals rounded to the nearest, ties to even). When any total would
// leave its range the totals stay as they were and the first such total is returned.
TotalKind addToTotals(Totals &totals, double figures, double points, double money);

// What finds a unit again in another catalogue: its ID, its name (without the blanks around
// it) and its strength.
struct UnitKey
{
    QString id, name, strength;

    friend bool operator==(const UnitKey &, const UnitKey &) = default;
};

// A count whose unit the catalogue no longer has, kept with its tally until a catalogue has the
// unit again. It is in no total.
struct KeptCount
{
    UnitKey unit;
    QString count;

    friend bool operator==(const KeptCount &, const KeptCount &) = default;
};

// One tally, the army or the collection: a count text per catalogue row and its totals, and the
// counts of units the catalogue lacks.
struct Tally
{
    QStringList counts;
    Totals totals;
    QList<KeptCount> kept = {};

    // Gives the tally exactly `rows` rows, keeping the counts of the rows that remain;
    // new rows start at "0". The totals are left alone.
    void resize(int rows);
};

enum class Step
{
    Add,
    Remove
};

struct FigureChange
{
    bool changed = false;
    TotalKind overflow = TotalKind::None; // set when the change was refused
    double attempted = 0;                 // what the refused total would have become
};

// Adds or removes one figure of the unit at `row`, worth `pointValue` points and `price` money
// (both read by readNumber). Removing needs a count above 0. The count is rewritten in its
// short form, the same in every locale. Nothing changes when a total would overflow.
FigureChange changeFigure(Tally &tally, int row, QStringView pointValue, QStringView price,
                          Step step);

// Rebuilds the totals from the count texts with the catalogue's point values and prices, all
// read by readNumber, row by row as a tally file load adds them up. Rows past the catalogue's
// end count nothing. Returns the total that would overflow, leaving `totals` as they were.
TotalKind recountTotals(const QStringList &counts, const UnitCatalogue &catalogue, Totals &totals);

struct CarriedTally
{
    Tally tally;
    int droppedRows = 0;                  // counted rows past the new catalogue's end
    int moved = 0;                        // counts that followed their unit to another row
    TotalKind overflow = TotalKind::None; // when set, the tally can't move to that catalogue
};

// The tally moved onto a reloaded catalogue: counts stay row by row, new rows start at "0",
// and the totals are rebuilt with the catalogue's point values and prices.
CarriedTally carryOver(const Tally &current, const UnitCatalogue &catalogue);
// The tally moved from catalogue `from` onto `to`, each count to its unit's row; counts of units
// `to` lacks are kept, and kept counts whose unit `to` has are put back.
CarriedTally carryByUnit(const Tally &current, const UnitCatalogue &from, const UnitCatalogue &to);
