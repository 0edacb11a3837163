// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"
#include "tally/army_needs.h"
#include "tally/tally.h"

#include <QStringList>

// The armies saved in the working folder, as a plan of several armies reads them: each put on
// the catalogue's rows by the same rule a load follows, with its totals, or with the reason it
// is left out of the plan.
struct ArmyFile
{
    QString name;            // the file's name without ".sav", as the pickers show it
    QString problem;         // why it is left out of the plan; empty when it is in
    bool byPosition = false; // no record beside it says which unit each row was
    Tally tally;             // its counts on the catalogue's rows, and their totals
    Needs needs;             // what it counts, unit by unit
    QString stamp;           // the sizes and last changes of the file and its record
    bool collection = false; // its record says a collection saved it: no army to plan
};

// The names of the folder's tally files, in the pickers' order.
QStringList tallyFileNames();

// The stamp of the tally file named `name` and its record as they are on the disk now.
QString armyFileStamp(const QString &name);

// Reads the tally file named `name` for a plan under `catalogue`, whose identity is
// `catalogueDigest`. A file that can't be read, or whose counts can't all be put on units of
// the catalogue, comes back with its problem; one a collection saved only says so.
ArmyFile readArmyFile(const QString &name, const UnitCatalogue &catalogue,
                      const QByteArray &catalogueDigest, const NumberFormat &format);
