// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_goals.h"

#include <QLatin1StringView>

#include <utility>

namespace {

// One frame of a 120 Hz display: what the user waits for a command and its repaint.
constexpr double Frame = 8.3;

} // namespace

QString Goal::text() const
{
    switch (kind) {
    case None:
        return QStringLiteral("-");
    case AtMost:
        return QStringLiteral("<= %1").arg(value);
    case AtLeast:
        return QStringLiteral(">= %1").arg(value);
    case TimesFloor:
        return QStringLiteral("<= %1 x floor").arg(value);
    case AboveFloor:
        return QStringLiteral("<= floor + %1").arg(value);
    }
    return {};
}

bool Goal::met(double floor, double full) const
{
    switch (kind) {
    case None:
        return true;
    case AtMost:
        return full <= value;
    case AtLeast:
        return full >= value;
    case TimesFloor:
        return full <= value * floor;
    case AboveFloor:
        return full <= floor + value;
    }
    return false;
}

Goal goalOf(const QString &row)
{
    // Rows that are no command of their own (the readers inside a start or a reload, a window
    // being resized, the earlier start-up measure, a printout's own time) carry no goal.
    static const std::pair<QLatin1StringView, Goal> special[] = {
        {QLatin1StringView("Start-up from exec to the first paint of the lists"),
         {Goal::TimesFloor, 1.25}},
        {QLatin1StringView("Start-up from main to the shown, filled window"), {}},
        {QLatin1StringView("Reading the catalogue, MB/s of file"), {Goal::AtLeast, 400}},
        {QLatin1StringView("Reading the price guide, MB/s of file"), {Goal::AtLeast, 300}},
        {QLatin1StringView("Reading the catalogue"), {}},
        {QLatin1StringView("Reading the price guide"), {}},
        {QLatin1StringView("Applying the guide's first half"), {}},
        {QLatin1StringView("Applying the price guide"), {}},
        {QLatin1StringView("Enlarging the window and back"), {}},
        {QLatin1StringView("Painting the whole window, no command"), {}},
        {QLatin1StringView("Export CSV of every unit"), {Goal::AtMost, 50}},
        {QLatin1StringView("Print Collection To Printer, until the job is sent"), {}},
        {QLatin1StringView("Print Collection to HTML, until the file is written"), {}},
        {QLatin1StringView("Opening Plan Armies, until the 20 files are planned"), {}},
        {QLatin1StringView("Longest gap between paints while printing"), {Goal::AtMost, 50}},
        {QLatin1StringView("Peak memory of a session using every command (MB)"),
         {Goal::AboveFloor, 25}},
    };
    for (const auto &[name, goal] : special)
        if (row == name)
            return goal;
    return {Goal::AtMost, Frame};
}
