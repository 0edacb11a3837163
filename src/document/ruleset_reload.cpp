// SPDX-License-Identifier: GPL-3.0-or-later
#include "ruleset_reload.h"

#include "tally/unit_match.h"

#include "tally_document.h"

#include <QCoreApplication>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RulesetReload)
};

QString fileProblems(const QString &fileName, const QString &error,
                     const QList<LoadProblem> &problems)
{
    QStringList lines;
    if (!error.isEmpty())
        lines.append(Text::tr("Could not read \"%1\": %2").arg(fileName, error));
    for (const LoadProblem &problem : problems)
        lines.append(QStringLiteral("\"%1\", %2").arg(fileName, describe(problem)));
    return lines.join(u'\n');
}

} // namespace

QString totalName(WhichTally which, TotalKind total)
{
    switch (total) {
    case TotalKind::Figures:
        return forTally(which, Text::tr("the army's number of figures"),
                        Text::tr("the collection's number of figures"));
    case TotalKind::Points:
        return forTally(which, Text::tr("the army's total point value"),
                        Text::tr("the collection's total point value"));
    case TotalKind::Money:
        return forTally(which, Text::tr("the army's approximate value"),
                        Text::tr("the collection's approximate value"));
    case TotalKind::None:
        break;
    }
    return QString();
}

QString tallyTitle(WhichTally which, const QString &name)
{
    if (name.isEmpty())
        return which == WhichTally::Army ? Text::tr("an unnamed army")
                                         : Text::tr("an unnamed collection");
    return which == WhichTally::Army ? Text::tr("the army \"%1\"").arg(name)
                                     : Text::tr("the collection \"%1\"").arg(name);
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
        report.append(
            Text::tr("Nothing was reloaded: the units, prices and counts already shown are "
                     "kept."));
        return reload;
    }

    bool pricedUnits = false;
    if (files.unitsAsShown) {
        next.catalogue = current.catalogue;
    } else if (units.catalogue.size() > 0) {
        next.catalogue = std::move(units.catalogue);
        pricedUnits = files.pricesApplied;
    } else {
        if (units.error.isEmpty())
            report.append(Text::tr("\"%1\" holds no units.").arg(CatalogueFileName));
        if (current.catalogue.size() > 0)
            report.append(Text::tr("The units already shown are kept."));
        next.catalogue = current.catalogue;
    }

    // Prices shown stay with units shown when neither file changed.
    if (!files.guideAsShown && !pricedUnits)
        applyPrices(next.catalogue, prices.prices);
    const QString priceReport = fileProblems(PriceGuideFileName, prices.error, prices.problems);
    if (!priceReport.isEmpty())
        report.append(priceReport);
    if (!prices.error.isEmpty())
        report.append(Text::tr("The units are shown without prices."));

    // What the user counted follows its unit (its row, while the units are the same ones in the
    // same order); totals follow the new values.
    const bool sameUnits =
        files.unitsAsShown || (next.catalogue.UnitId == current.catalogue.UnitId &&
                               next.catalogue.UnitName == current.catalogue.UnitName &&
                               next.catalogue.UnitStr == current.catalogue.UnitStr);
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        const Tally &counted = which == WhichTally::Army ? current.army : current.collection;
        CarriedTally carried = sameUnits ? carryOver(counted, next.catalogue)
                                         : carryByUnit(counted, current.catalogue, next.catalogue);
        if (carried.overflow != TotalKind::None) {
            report.append(Text::tr("With the new catalogue %1 would be out of its range, so the "
                                   "catalogue was not reloaded.")
                              .arg(totalName(which, carried.overflow)));
            return reload;
        }
        if (carried.moved > 0)
            reload.notes.append(
                forTally(which,
                         Text::tr("The army's counts of %n unit(s) moved with their units to "
                                  "their rows in the new catalogue.",
                                  nullptr, carried.moved),
                         Text::tr("The collection's counts of %n unit(s) moved with their units "
                                  "to their rows in the new catalogue.",
                                  nullptr, carried.moved)));
        const qsizetype newlyKept = carried.tally.kept.size() - counted.kept.size();
        if (newlyKept > 0)
            report.append(
                forTally(which,
                         Text::tr("The new catalogue has no unit for %n unit(s) counted in the "
                                  "army: %1. Their counts are kept with it (in no total) and "
                                  "saved with it, and go back on their units when the catalogue "
                                  "has them again.",
                                  nullptr, int(newlyKept)),
                         Text::tr("The new catalogue has no unit for %n unit(s) counted in the "
                                  "collection: %1. Their counts are kept with it (in no total) "
                                  "and saved with it, and go back on their units when the "
                                  "catalogue has them again.",
                                  nullptr, int(newlyKept)))
                    .arg(keptText(carried.tally.kept)));
        (which == WhichTally::Army ? next.army : next.collection) = std::move(carried.tally);
    }
    reload.next = std::move(next);
    return reload;
}
