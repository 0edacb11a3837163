// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_catalogue.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <utility>

// Counts read from a CSV file for one tally, strictly: the first row names the columns (any
// order, any case): the unit's "ID" and a count, "Count" or the tally's own column as the
// export writes it ("Collection" or "Army"), with "Name" and "Strength" used where an ID is
// missing or not unique, by the rule loads follow. A file with any bad row (a unit this
// catalogue has none of, a unit listed twice, a count that is not a whole number from 0 to
// 32767) is refused whole; the error names the first rows at fault by the row a spreadsheet
// shows them on. UTF-8 with or without a byte-order mark, UTF-16 and Windows-1252 are read;
// commas, semicolons or tabs separate the fields.
struct CountsCsv
{
    QList<std::pair<int, QString>> rows; // catalogue row and its count, in catalogue order
    QString error;                       // why the file was refused; then there are no rows
};
CountsCsv readCountsCsv(QByteArrayView bytes, const UnitCatalogue &catalogue, bool army);
