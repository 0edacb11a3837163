// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of everything the program takes from outside, for libFuzzer. One source makes
// every target; FUZZ_TARGET names the one built. Each target also checks what the reader
// promises, and stops (as a finding) when a promise is broken.
#include "catalogue/catalogue_file.h"
#include "catalogue/field_reader.h"
#include "catalogue/price_guide.h"
#include "common/numbers.h"
#include "recovery/recovery_file.h"
#include "reports/units_csv.h"
#include "tally_files/counts_csv.h"
#include "tally_files/tally_file.h"
#include "tally_files/unit_record.h"

#include <QCryptographicHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace {

void require(bool promise)
{
    if (!promise)
        __builtin_trap();
}

// Every field with its line, read by next() alone (`perLine` 0), or taking whole lines of
// `perLine` fields wherever the reader can.
QList<std::pair<QByteArray, int>> fieldsOf(QByteArrayView text, int perLine)
{
    FieldReader reader(text);
    QList<std::pair<QByteArray, int>> fields;
    std::array<QByteArrayView, 6> line;
    for (QByteArrayView field;;) {
        if (perLine > 0 && reader.nextPlainLine(line.data(), perLine)) {
            for (int i = 0; i < perLine; ++i)
                fields.append({line.at(i).toByteArray(), reader.fieldLine()});
        } else if (reader.next(field)) {
            fields.append({field.toByteArray(), reader.fieldLine()});
        } else {
            break;
        }
    }
    const QList<LoadProblem> problems = reader.quoteProblems();
    for (const LoadProblem &problem : problems)
        fields.append({problem.text.toUtf8(), problem.line});
    return fields;
}

void catalogue(QByteArrayView bytes)
{
    // A whole line read at once holds the fields that reading them one by one gives.
    const QList<std::pair<QByteArray, int>> oneByOne = fieldsOf(bytes, 0);
    require(fieldsOf(bytes, 6) == oneByOne && fieldsOf(bytes, 2) == oneByOne);
    const UnitCatalogue units = parseCatalogue(bytes).catalogue;
    require(units.size() >= 0 && units.size() <= UnitCatalogue::MaxUnits);
    for (const UnitTexts *list :
         {&units.UnitId, &units.UnitName, &units.UnitStr, &units.UnitRarity, &units.UnitFaction,
          &units.UnitPointValue, &units.UnitGuideName, &units.UnitPrice})
        require(list->size() == units.size());
}

void priceGuide(QByteArrayView bytes)
{
    UnitCatalogue units = parseCatalogue("1,Grub,Weak,C,Mire,5\n2,Odd,Giant,C,Mire,1\n").catalogue;
    const PriceGuideLoad guide = parsePriceGuide(bytes);
    applyPrices(units, guide.prices);
    require(units.UnitPrice.at(0) == guide.prices.value(QStringLiteral("Grub (W)")));
    require(units.UnitPrice.at(1) == guide.prices.value(QString()));
}

// A tally the decoder accepts is one the program could have written: encoding its records
// again gives the same bytes,
void tallyFile(QByteArrayView bytes)
{
    for (const int catalogueRows : {0, 3, 32767}) {
        const TallyFile::Decoded file = TallyFile::decode(bytes, catalogueRows);
        const qint16 rows =
            bytes.size() >= 2 ? qint16(quint8(bytes[0]) | quint8(bytes[1]) << 8) : 0;
        if (!file.error.isEmpty() || rows <= 0) {
            require(file.records.isEmpty());
            continue;
        }
        require(file.records.size() == std::min<int>(rows, catalogueRows));
        // and holds counts only: digits, a point, an exponent, the padding.
        for (const QString &record : file.records)
            require(std::all_of(record.begin(), record.end(), [](QChar c) {
                return QStringView(u"0123456789.eE+- ").contains(c);
            }));
        if (file.records.size() == rows)
            require(TallyFile::encode(file.records) ==
                    bytes.first(TallyFile::HeaderBytes + qsizetype(rows) * TallyFile::RecordBytes));
    }
}

void strictNumber(const QString &text)
{
    for (const NumberFormat format :
         {NumberFormat{u'.', u','}, NumberFormat{u',', u'.'}, NumberFormat{u',', QChar(0x202F)}}) {
        const std::optional<double> value = readStrictNumber(text, format);
        require(!value || !std::isnan(*value));
        // A plain number (digits, point, sign, exponent) reads the same strictly and loosely.
        if (value && format.decimalSeparator == u'.' &&
            std::all_of(text.begin(), text.end(),
                        [](QChar c) { return QStringView(u"0123456789.+-eE").contains(c); }))
            require(readNumber(text) == *value);
    }
}

// A recovery copy the reader accepts is one the program could have written: encoding it again
// gives the same bytes, and its tallies have their rows. Mutated bytes rarely keep a right
// digest, so an input whose first byte is even is taken as the body of a copy and sealed with
// its header and digest, as the writer would, to reach the fields behind the digest.
void recoveryCopy(QByteArrayView input)
{
    QByteArray bytes = input.toByteArray();
    if (!input.isEmpty() && quint8(input[0]) % 2 == 0) {
        const QByteArrayView body = input.sliced(1);
        const QByteArray header = encodeRecovery({}).left(25);
        bytes = header + QByteArray("\2\0\0\0", 4);
        const quint32 size = quint32(body.size());
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((size >> shift) & 0xff));
        bytes += body.toByteArray() + QCryptographicHash::hash(body, QCryptographicHash::Sha256);
    }
    const DecodedRecovery read = decodeRecovery(bytes);
    if (!read.error.isEmpty()) {
        require(read.copy.tallies[0].tally.counts.isEmpty());
        return;
    }
    for (const RecoveryCopy::Kept &kept : read.copy.tallies) {
        require(kept.tally.counts.size() <= UnitCatalogue::MaxUnits);
        require(kept.name.size() <= MaxNameLength);
        for (const QString &count : kept.tally.counts)
            require(TallyFile::isCountText(count));
    }
    // A copy of the first format is written again in the current one.
    require(bytes.at(25) != 2 || encodeRecovery(read.copy) == bytes);
}

// A unit record the reader accepts reads back the same once written again.
void unitRecord(QByteArrayView bytes)
{
    const UnitRecord::Decoded read = UnitRecord::decode(bytes);
    if (!read.error.isEmpty())
        return;
    const UnitRecord::Decoded again = UnitRecord::decode(UnitRecord::encode(read.record));
    require(again.error.isEmpty() && again.record == read.record);
}

// Counts a CSV import accepts are whole counts of distinct units of the catalogue, in its order,
// and the catalogue's own export of them reads back the same.
void countsCsv(QByteArrayView bytes)
{
    static const UnitCatalogue units =
        parseCatalogue("1,Grub,Weak,C,Mire,5\n2,\"Hob, \"\"Big\"\"\",Standard,C,Mire,1\n"
                       "=3,Nell,Tough,C,Mire,1\n4,Twin,Weak,C,Mire,1\n4,Twin,Tough,C,Mire,1\n")
            .catalogue;
    const CountsCsv read = readCountsCsv(bytes, units, bytes.size() % 2 == 0);
    if (!read.error.isEmpty()) {
        require(read.rows.isEmpty());
        return;
    }
    QStringList counts(units.size(), QStringLiteral("0"));
    int previous = -1;
    for (const auto &[row, count] : read.rows) {
        require(row > previous && row < units.size());
        previous = row;
        bool whole = false;
        require(count.toInt(&whole) >= 0 && whole && count.toInt() <= 32767);
        counts[row] = count;
    }
    const CountsCsv again =
        readCountsCsv(unitsCsv({0, 1, 2, 3, 4}, units, counts, counts), units, false);
    require(again.error.isEmpty() && again.rows.size() == units.size());
    for (const auto &[row, count] : again.rows)
        require(count == counts.at(row));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Any UTF-16 text for the number readers, the characters taken two bytes at a time.
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const std::function<void()> targets[] = {
        [&] { catalogue(bytes); },   [&] { priceGuide(bytes); },
        [&] { tallyFile(bytes); },   [&] { require(!std::isnan(readNumber(text))); },
        [&] { strictNumber(text); }, [&] { recoveryCopy(bytes); },
        [&] { unitRecord(bytes); },  [&] { countsCsv(bytes); }};
    targets[FUZZ_TARGET - 1]();
    return 0;
}
