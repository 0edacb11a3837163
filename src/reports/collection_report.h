// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_catalogue.h"
#include "tally/tally.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class LinePrinter;

// One listed unit, its texts copied as they stand.
struct ReportRow
{
    QString unitId;
    QString unitLabel; // name, " (", strength word, ")"
    QString quantity;  // the collection's count text, blanks and all

    friend bool operator==(const ReportRow &, const ReportRow &) = default;
};

// The tally's three totals as the main window shows them.
using ReportSummary = TotalsText;

struct CollectionReport
{
    QString name;
    QList<ReportRow> rows;
    std::optional<ReportSummary> summary;
    // The army's report, written as the collection's text report; its summary counts the
    // pieces in the army.
    bool army = false;
};

// Lists, in catalogue order, every unit whose count reads above 0. Count rows without a
// catalogue unit behind them are skipped.
CollectionReport buildCollectionReport(const QString &name, const QStringList &counts,
                                       const UnitCatalogue &catalogue,
                                       std::optional<ReportSummary> summary);

// The plain-text report: Windows-1252, CR LF after every line.
QByteArray textReport(const CollectionReport &report);

// The HTML page, with the data and the name escaped; Windows-1252, CR LF after every line.
QByteArray htmlReport(const CollectionReport &report);

// Prints the report through `printer` and ends the document; false when that failed.
bool printReport(const CollectionReport &report, LinePrinter &printer);
