// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_reading.h"

#include "common/background.h"
#include "common/input_file.h"
#include "common/numbers.h"
#include "tally_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

TallyRead readTally(const QString &fileName, const QByteArray &catalogueDigest)
{
    TallyRead read;
    const InputFile file = readInputFile(fileName);
    if (!file.ok()) {
        read.error = file.error;
        return read;
    }
    const QString recordName = UnitRecord::fileName(fileName);
    const bool hasRecord = QFileInfo::exists(recordName);
    // Whether the record describes these bytes takes a digest of them, as long as decoding
    // them; on the window's thread the two are made side by side.
    QFuture<QByteArray> digest;
    const QCoreApplication *application = QCoreApplication::instance();
    if (hasRecord && application && QThread::currentThread() == application->thread())
        digest = Background::run(Background::shared(),
                                 [bytes = file.bytes] { return UnitRecord::digest(bytes); });
    TallyFile::Decoded decoded = TallyFile::decode(file.bytes, UnitCatalogue::MaxUnits);
    if (!decoded.error.isEmpty()) {
        read.error = decoded.error;
        return read;
    }
    read.records = std::move(decoded.records);
    if (!hasRecord)
        return read;
    const InputFile recordFile = readInputFile(recordName);
    UnitRecord::Decoded record;
    if (recordFile.ok()) {
        record = UnitRecord::decodeHead(recordFile.bytes);
        if (record.error.isEmpty() && record.record.catalogueDigest != catalogueDigest)
            record = UnitRecord::decode(recordFile.bytes);
    } else
        record.error = recordFile.error;
    if (!record.error.isEmpty())
        read.recordProblem = record.error;
    else if (digest.isValid() && record.record.version == UnitRecord::Version
                 ? record.record.savDigest == digest.result()
                 : UnitRecord::describes(record.record, file.bytes))
        read.record = std::move(record.record);
    return read;
}

PlacedTally placeTally(const TallyRead &read, const UnitCatalogue &catalogue,
                       const QByteArray &catalogueDigest)
{
    PlacedTally placed;
    placed.fileRows = int(read.records.size());
    if (read.record && read.record->catalogueDigest != catalogueDigest) {
        placed.how = PlacedTally::How::ByUnit;
        const UnitRecord::Record &record = *read.record;
        QList<CountedUnit> counted;
        counted.reserve(record.rows.size() + record.kept.size());
        for (int at = 0; at < int(record.rows.size()); ++at)
            if (const int row = record.rows.at(at); row < read.records.size())
                counted.append({row, record.ids.at(at), record.names.at(at),
                                record.strengths.at(at), read.records.at(row)});
        appendKept(counted, record.kept);
        PlacedCounts found = placeCounts(counted, catalogue);
        placed.rows = std::move(found.rows);
        placed.kept = std::move(found.kept);
        placed.byId = found.byId, placed.byName = found.byName, placed.moved = found.moved;
        return placed;
    }
    if (read.record) {
        placed.how = PlacedTally::How::Unchanged;
        placed.kept = read.record->kept;
    }
    const int rows = std::min<int>(placed.fileRows, catalogue.size());
    placed.rows.reserve(rows);
    for (int row = 0; row < rows; ++row)
        placed.rows.append({row, read.records.at(row)});
    CountReader number;
    for (int row = rows; row < placed.fileRows; ++row)
        if (const double count = number(read.records.at(row)); count > 0)
            ++placed.countedBeyond, placed.figuresBeyond += count;
    return placed;
}

double figuresIn(const QStringList &records)
{
    double figures = 0;
    CountReader read;
    for (const QString &record : records)
        if (const double count = read(record); count > 0)
            figures += count;
    return figures;
}
