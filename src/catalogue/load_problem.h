// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Something wrong in an input file that the load worked around; the UI shows these to the user.
struct LoadProblem
{
    int line = 0; // 1-based; 0 when it concerns the whole file
    QString text;

    friend bool operator==(const LoadProblem &, const LoadProblem &) = default;
};

// "line 7: text", or just the text for a problem of the whole file.
QString describe(const LoadProblem &problem);

// Why a point value or price, read as the totals read it, would make them look wrong: "is
// negative", "is not a number", "is infinite" or "is too large for the totals"; empty when it is
// none of these.
QString valueProblem(QStringView text);
