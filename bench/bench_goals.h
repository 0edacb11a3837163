// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a row of the benchmark should reach at full size, and whether it did.
struct Goal
{
    enum Kind
    {
        None,       // a figure for the record
        AtMost,     // the full-size figure at most `value`
        AtLeast,    // the full-size figure at least `value`
        TimesFloor, // at most `value` times the one-unit figure
        AboveFloor, // at most `value` above the one-unit figure
    };
    Kind kind = None;
    double value = 0;

    QString text() const;
    bool met(double floor, double full) const;
};

// The goal of the row called `row`.
Goal goalOf(const QString &row);
