// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/tally.h"

#include <QByteArray>
#include <QString>

// Beside each tally file the program saves, "<name>.sav.units" says which unit each counted row
// was, so that a load under a changed catalogue puts every count back on its unit. The tally
// file stays as it always was; the record is small UTF-8 text that travels with the folder:
//
//   Rostermere unit record 2
//   tally<TAB>army                  (or collection: which tally saved the file)
//   sav<TAB><BLAKE2b-256 of the tally file's bytes, hex>
//   catalogue<TAB><digest of the catalogue the rows belong to, hex>
//   kept<TAB>2<TAB>77<TAB>Old Guard<TAB>Tough           (a count of a unit the catalogue lacks)
//   row<TAB>3<TAB>101<TAB>Bone Archer<TAB>Weak         (a counted row: ID, name, strength)
//
// Tabs, line ends and backslashes in a field are written as \t, \n, \r and \\. A record whose
// digest is not that of the file's bytes describes another file and is not used. Records of the
// first version, whose digest of the file is SHA-256, are read as well.
namespace UnitRecord {

// The version this program writes.
constexpr int Version = 2;

enum class Saver
{
    Unknown,
    Collection,
    Army
};

struct Record
{
    int version = 2;
    Saver saver = Saver::Unknown;
    QByteArray savDigest;       // of the tally file's bytes, by the version's hash
    QByteArray catalogueDigest; // what identifies the catalogue of the rows
    QList<int> rows;            // the counted rows, and the unit of each
    UnitTexts ids, names, strengths;
    QList<KeptCount> kept;

    void addRow(int row, QStringView id, QStringView name, QStringView strength);
    friend bool operator==(const Record &, const Record &) = default;
};

// The record's file for a tally file.
QString fileName(const QString &tallyFileName);

// The digest a record of this program's version keeps of `tallyFile`.
QByteArray digest(QByteArrayView tallyFile);
// Whether `record` was written for exactly these bytes.
bool describes(const Record &record, QByteArrayView tallyFile);

// The record of a tally as saved in `tallyFile`: its counted rows and kept counts.
Record describe(Saver saver, const QByteArray &tallyFile, const Tally &tally,
                const UnitCatalogue &catalogue, const QByteArray &catalogueDigest);

QByteArray encode(const Record &record);

struct Decoded
{
    Record record;
    QString error; // why the bytes are no record this program wrote; empty when fine
};
Decoded decode(QByteArrayView bytes);
// All but the counted rows (which tally saved the file, the digests, the kept counts): what a
// save checks before it replaces a file, and all a load under the same catalogue needs.
Decoded decodeHead(QByteArrayView bytes);

} // namespace UnitRecord
