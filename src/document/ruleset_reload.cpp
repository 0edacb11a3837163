// SPDX-License-Identifier: GPL-3.0-or-later
#include "ruleset_reload.h"

#include "tally/unit_match.h"

#include "tally_document.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("frmMain", text);
}

QString fileProblems(const QString &fileName, const QString &error,
                     const QList<LoadProblem> &problems)
{
    QStringList lines;
    if (!error.isEmpty())
        lines.append(tr("Could not read \"%1\": %2").arg(fileName, error));
    for (const LoadProblem &problem : problems)
        lines.append(QStringLiteral("\"%1\", %2").arg(fileName, describe(problem)));
    return lines.join(u'\n');
}

} // namespace

QString totalName(TotalKind total)
{
    switch (total) {
    case TotalKind::Figures:
        return tr("number of figures");
    case TotalKind::Points:
        return tr("total point value");
    case TotalKind::Money:
        return tr("approximate value");
    case TotalKind::None:
        break;
    }
    return QString();
}

QString tallyWord(WhichTally which)
{
    return which == WhichTally::Army ? tr("army") : tr("collection");
}

QString tallyTitle(WhichTally which, const QString &name)
{
    if (name.isEmpty())
        return which == WhichTally::Army ? tr("an unnamed army") : tr("an unnamed collection");
    return which == WhichTally::Army ? tr("the army \"%1\"").arg(name)
                                     : tr("the collection \"%1\"").arg(name);
}

RulesetReload reloadRuleset(RulesetFiles files, const modGlobals &current)
{
    RulesetReload reload;
    QStringList &report = reload.report;
    modGlobals next;
    CatalogueLoad &units = files.units;
    const PriceGuideLoad &prices = files.guide;
    const QString catalogueReport = fileProblems(CatalogueFileName, units.error, units.problems);
    if (!catalogueReport.isEmpty())
        report.append(catalogueReport);
    // A file the disk failed to give whole is no reason to change what is shown.
    if (current.catalogue.size() > 0 && (units.unreadable || prices.unreadable)) {
        if (prices.unreadable)
            report.append(fileProblems(PriceGuideFileName, prices.error, {}));
        report.append(tr("Nothing was reloaded: the units, prices and counts already shown are "
                         "kept."));
        return reload;
    }

    if (units.catalogue.size() > 0) {
        next.catalogue = std::move(units.catalogue);
    } else {
        if (units.error.isEmpty())
            report.append(tr("\"%1\" holds no units.").arg(CatalogueFileName));
        if (current.catalogue.size() > 0)
            report.append(tr("The units already shown are kept."));
        next.catalogue = current.catalogue;
    }

    applyPrices(next.catalogue, prices.prices);
    const QString priceReport = fileProblems(PriceGuideFileName, prices.error, prices.problems);
    if (!priceReport.isEmpty())
        report.append(priceReport);
    if (!prices.error.isEmpty())
        report.append(tr("The units are shown without prices."));

    // What the user counted follows its unit (its row, while the units are the same ones in the
    // same order); totals follow the new values.
    const bool sameUnits = next.catalogue.UnitId == current.catalogue.UnitId &&
                           next.catalogue.UnitName == current.catalogue.UnitName &&
                           next.catalogue.UnitStr == current.catalogue.UnitStr;
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        const Tally &counted = which == WhichTally::Army ? current.army : current.collection;
        CarriedTally carried = sameUnits ? carryOver(counted, next.catalogue)
                                         : carryByUnit(counted, current.catalogue, next.catalogue);
        if (carried.overflow != TotalKind::None) {
            report.append(tr("With the new catalogue the %1's %2 would be out of its range, so "
                             "the catalogue was not reloaded.")
                              .arg(tallyWord(which), totalName(carried.overflow)));
            return reload;
        }
        if (carried.moved > 0)
            reload.notes.append(tr("The %1's counts of %2 unit(s) moved with their units to their "
                                   "rows in the new catalogue.")
                                    .arg(tallyWord(which))
                                    .arg(carried.moved));
        const qsizetype newlyKept = carried.tally.kept.size() - counted.kept.size();
        if (newlyKept > 0)
            report.append(tr("The new catalogue has no unit for %1 unit(s) counted in the %2: %3. "
                             "Their counts are kept with it (in no total) and saved with it, and "
                             "go back on their units when the catalogue has them again.")
                              .arg(newlyKept)
                              .arg(tallyWord(which), keptText(carried.tally.kept)));
        (which == WhichTally::Army ? next.army : next.collection) = std::move(carried.tally);
    }
    reload.next = std::move(next);
    return reload;
}
