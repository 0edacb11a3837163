// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/unit_match.h"
#include "unit_record.h"

#include <optional>

// A tally file read with the unit record beside it, and its counts put on the rows of the
// catalogue: by unit when the record describes the file's bytes and the catalogue has changed
// since, by position otherwise (exactly as a file was always read).
struct TallyRead
{
    QString error;                            // the file can't be used; nothing else is set
    QStringList records;                      // every row's record, as the file holds them
    std::optional<UnitRecord::Record> record; // when it describes these bytes
    QString recordProblem;                    // why a record beside the file could not be read
};
// `catalogueDigest` is the catalogue's the counts are for: a record of it needs no rows read.
TallyRead readTally(const QString &fileName, const QByteArray &catalogueDigest = {});

struct PlacedTally
{
    enum class How
    {
        ByPosition, // no record, or one that describes other bytes
        Unchanged,  // the record's catalogue is this one: by position, as saved
        ByUnit
    } how = How::ByPosition;
    QList<std::pair<int, QString>> rows; // catalogue row and its count text
    QList<KeptCount> kept;               // counts of units the catalogue lacks
    int byId = 0, byName = 0, moved = 0;
    int fileRows = 0;
    // By position: the rows past the catalogue's end that hold a count, and their figures.
    int countedBeyond = 0;
    double figuresBeyond = 0;
};
PlacedTally placeTally(const TallyRead &read, const UnitCatalogue &catalogue,
                       const QByteArray &catalogueDigest);

// How many figures the file's records count.
double figuresIn(const QStringList &records);
