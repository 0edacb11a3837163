// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A tally file holds one tally's count texts: a 16-bit little-endian row count N, then N
// records of 30 bytes, each the row's text in Windows-1252, padded with spaces or cut.
// Armies and collections share the format; rows are tied to units by position alone.
namespace TallyFile {

inline constexpr int RecordBytes = 30;
inline constexpr int HeaderBytes = 2;

// The file a tally is saved under: the name box text, unchanged, with ".sav" appended.
QString fileName(const QString &nameBox);

// Whether `count` is a text a tally of this program can hold: what a save writes and a load
// accepts (digits, a point, an exponent; blanks around them), in at most one record.
bool isCountText(QStringView count);

// The whole file for these count texts (at most 32767 of them).
QByteArray encode(const QStringList &counts);

struct Decoded
{
    QStringList records; // one 30-character text per row that has a place in the catalogue
    QString error;       // why the file was refused; then there are no records
    // The rows past the catalogue's end that hold a count above 0, and their figures.
    int countedBeyond = 0;
    double figuresBeyond = 0;
};

// Reads the row count and the records that have a place among `catalogueRows` rows. An empty
// file, or a row count of 0, holds no records. A file shorter than its row count needs is
// refused whole, and so is one with a negative row count or whose records hold anything but
// printable ASCII or a negative count, since the program writes none of these. Bytes after the
// last record are not looked at.
Decoded decode(QByteArrayView bytes, int catalogueRows);

// Writes the file for these counts whole or not at all, replacing any file of that name.
// Returns the reason on failure, an empty text on success.
QString save(const QString &path, const QStringList &counts);

// Reads and decodes a tally file; a file that can't be read gives the reason as the error.
Decoded load(const QString &path, int catalogueRows);

// As decode, but only checks the bytes and counts their rows past the catalogue: no records.
Decoded decodeCountsBeyond(QByteArrayView bytes, int catalogueRows);

} // namespace TallyFile
