// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_file.h"

#include "common/codec.h"
#include "common/input_file.h"
#include "common/numbers.h"
#include "common/output_file.h"

#include <QCoreApplication>
#include <QHash>
#include <QtEndian>

#include <algorithm>

namespace {

// A count as the program writes one: digits, perhaps a point and more digits, perhaps an
// exponent ("1.234568E+07"); or nothing at all.
bool isWrittenCount(QByteArrayView text)
{
    qsizetype at = 0;
    const auto digits = [&] {
        const qsizetype from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at > from;
    };
    if (text.isEmpty())
        return true;
    if (!digits())
        return false;
    if (at < text.size() && text[at] == '.' && (++at, !digits()))
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (!digits())
            return false;
    }
    return at == text.size();
}

// Why a record is none the program writes, or null. The program writes only unsigned decimal
// texts in plain ASCII; anything else means the file is not a tally (a renamed picture, say)
// and must not land in the user's counts.
const char *recordProblem(QByteArrayView record)
{
    bool unprintable = false;
    for (const char byte : record)
        unprintable |= byte < ' ' || byte > '~';
    if (unprintable)
        return QT_TRANSLATE_NOOP("TallyFile", "It is not a tally file Rostermere wrote, or is "
                                              "damaged; its row %1 holds bytes that no tally "
                                              "file has.");
    const QByteArrayView text = record.trimmed();
    if (text.startsWith('-') && readNumber(QString::fromLatin1(record)) < 0)
        return QT_TRANSLATE_NOOP("TallyFile", "It is not a tally file Rostermere wrote, or is "
                                              "damaged; its row %1 holds a negative count.");
    if (!isWrittenCount(text))
        return QT_TRANSLATE_NOOP("TallyFile", "It is not a tally file Rostermere wrote, or is "
                                              "damaged; its row %1 holds text that is not a "
                                              "count.");
    return nullptr;
}

} // namespace

namespace TallyFile {

bool isCountText(QStringView count)
{
    if (count.size() > RecordBytes)
        return false;
    const bool printable =
        std::all_of(count.begin(), count.end(), [](QChar c) { return c >= u' ' && c <= u'~'; });
    return printable && isWrittenCount(QByteArray(count.toLatin1()).trimmed());
}

QString fileName(const QString &nameBox)
{
    return nameBox + QStringLiteral(".sav");
}

QByteArray encode(const QStringList &counts)
{
    const auto rows = static_cast<qint16>(std::min<qsizetype>(counts.size(), 32767));
    QByteArray bytes(HeaderBytes + qsizetype(RecordBytes) * rows, ' ');
    qToLittleEndian<qint16>(rows, bytes.data());
    for (qsizetype row = 0; row < rows; ++row) {
        char *const record = bytes.data() + HeaderBytes + row * RecordBytes;
        // A character takes at most one byte, so a count that fits is written in place.
        if (const QString &count = counts.at(row); count.size() <= RecordBytes) {
            std::fill(record + encodeInto(record, count), record + RecordBytes, ' ');
        } else {
            const QByteArray text = encodeText(count).left(RecordBytes);
            std::copy(text.begin(), text.end(), record);
        }
    }
    return bytes;
}

namespace {

// Checks the whole file and counts the rows past the catalogue; builds the records only when
// they are wanted, as most of a full-size file's cost is in them.
Decoded decodeRows(QByteArrayView bytes, int catalogueRows, bool keepRecords)
{
    Decoded result;
    // Even an empty tally is saved with its row count, so an empty file was never one of ours.
    if (bytes.isEmpty()) {
        result.error = QCoreApplication::translate("TallyFile", "It is not a tally file Rostermere "
                                                                "wrote, or is damaged; it holds "
                                                                "0 bytes.");
        return result;
    }
    if (bytes.size() < HeaderBytes) {
        result.error = QCoreApplication::translate("TallyFile", "It is not a tally file Rostermere "
                                                                "wrote, or is damaged; it holds "
                                                                "1 byte.");
        return result;
    }
    const qint16 rows = qFromLittleEndian<qint16>(bytes.data());
    if (rows == 0)
        return result;
    // No save writes a negative row count; such a file is damaged, not empty.
    if (rows < 0) {
        result.error = QCoreApplication::translate("TallyFile", "It is not a tally file Rostermere "
                                                                "wrote, or is damaged; it holds "
                                                                "%1 bytes, and its number of rows "
                                                                "is negative (%2).")
                           .arg(bytes.size())
                           .arg(rows);
        return result;
    }
    const qsizetype needed = HeaderBytes + qsizetype(RecordBytes) * rows;
    if (bytes.size() < needed) {
        result.error = QCoreApplication::translate("TallyFile", "It is not a tally file Rostermere "
                                                                "wrote, or is damaged; it holds "
                                                                "%1 bytes, and the %2 rows it "
                                                                "names need %3.")
                           .arg(bytes.size())
                           .arg(rows)
                           .arg(needed);
        return result;
    }
    // The program writes only unsigned decimal texts in plain ASCII; anything else means the
    // file is not a tally (a renamed picture, say) and must not land in the user's counts.
    const auto recordAt = [bytes](int row) {
        return bytes.sliced(HeaderBytes + qsizetype(row) * RecordBytes, RecordBytes);
    };
    const int kept = std::min<int>(rows, std::max(catalogueRows, 0));
    if (keepRecords)
        result.records.reserve(kept);
    // Most records repeat ("0" and a few small counts): a record like the one before it is
    // neither checked nor decoded again, and equal records share one string.
    QHash<QByteArrayView, QString> shared;
    QByteArrayView previous;
    QString previousText;
    for (int row = 0; row < rows; ++row) {
        const QByteArrayView record = recordAt(row);
        if (record != previous) {
            if (const char *problem = recordProblem(record)) {
                result = Decoded{};
                result.error = QCoreApplication::translate("TallyFile", problem).arg(row + 1);
                return result;
            }
            previous = record;
            if (keepRecords && row < kept) {
                const auto found = shared.constFind(record);
                previousText = found != shared.cend() ? *found : decodeText(record);
                if (found == shared.cend() && shared.size() < 1024)
                    shared.insert(record, previousText);
            }
        }
        if (keepRecords && row < kept)
            result.records.append(previousText);
    }
    for (int row = kept; row < rows; ++row) {
        const double count = readNumber(QString::fromLatin1(recordAt(row)));
        if (count > 0)
            ++result.countedBeyond, result.figuresBeyond += count;
    }
    return result;
}

} // namespace

Decoded decode(QByteArrayView bytes, int catalogueRows)
{
    return decodeRows(bytes, catalogueRows, true);
}

QString save(const QString &path, const QStringList &counts)
{
    return writeWholeFile(path, encode(counts));
}

Decoded load(const QString &path, int catalogueRows)
{
    const InputFile file = readInputFile(path);
    if (!file.ok()) {
        Decoded result;
        result.error = file.error;
        return result;
    }
    return decodeRows(file.bytes, catalogueRows, true);
}

Decoded decodeCountsBeyond(QByteArrayView bytes, int catalogueRows)
{
    return decodeRows(bytes, catalogueRows, false);
}

} // namespace TallyFile
