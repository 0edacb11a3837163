// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ruleset_files.h"
#include "mod_globals.h"

#include <QStringList>

#include <optional>

enum class WhichTally;

// What the user reads about a tally's total: "the army's total point value", ...
QString totalName(WhichTally which, TotalKind total);
// 'the army "Raid"', or "an unnamed army" when the name box is empty.
QString tallyTitle(WhichTally which, const QString &name);

struct RulesetReload
{
    std::optional<modGlobals> next; // nothing when the catalogue must stay as it is
    QStringList report;             // what went wrong, in the user's words
    QStringList notes;              // what the status line adds: counts that moved
};

// The program's data after reading the ruleset's files: the new catalogue with the guide's
// prices, or the current one when the new file yields no units; the counts of both tallies
// follow their units (by the rule of UnitFinder; row by row while the units are the same) and
// their totals are rebuilt with the new values. Totals that would leave
// their range keep everything as it is.
RulesetReload reloadRuleset(RulesetFiles files, const modGlobals &current);
