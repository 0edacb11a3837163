// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_record.h"

#include "common/numbers.h"
#include "tally_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace UnitRecord {

namespace {

constexpr QByteArrayView Heading = "Rostermere unit record 1";

QString tr(const char *text)
{
    return QCoreApplication::translate("UnitRecord", text);
}

QByteArray escaped(const QString &field)
{
    QByteArray bytes;
    for (const char c : field.toUtf8()) {
        switch (c) {
        case '\\':
            bytes += "\\\\";
            break;
        case '\t':
            bytes += "\\t";
            break;
        case '\n':
            bytes += "\\n";
            break;
        case '\r':
            bytes += "\\r";
            break;
        default:
            bytes += c;
        }
    }
    return bytes;
}

// The field as it was before escaping; false when it holds what escaping never writes.
bool unescaped(QByteArrayView bytes, QString &field)
{
    QByteArray plain;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\\') {
            plain += bytes[i];
            continue;
        }
        if (++i == bytes.size())
            return false;
        const char c = bytes[i];
        if (c != '\\' && c != 't' && c != 'n' && c != 'r')
            return false;
        plain += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : '\\';
    }
    field = QString::fromUtf8(plain);
    return field.toUtf8() == plain;
}

} // namespace

QString fileName(const QString &tallyFileName)
{
    return tallyFileName + QStringLiteral(".units");
}

QByteArray digest(QByteArrayView tallyFile)
{
    return QCryptographicHash::hash(tallyFile, QCryptographicHash::Sha256);
}

Record describe(Saver saver, const QByteArray &tallyFile, const Tally &tally,
                const UnitCatalogue &catalogue, const QByteArray &catalogueDigest)
{
    Record record{saver, digest(tallyFile), catalogueDigest, {}, tally.kept};
    const int rows = std::min<int>(tally.counts.size(), catalogue.size());
    for (int row = 0; row < rows; ++row)
        if (tally.counts.at(row) != u"0" && readNumber(tally.counts.at(row)) != 0)
            record.rows.append(
                {row,
                 {catalogue.UnitId.value(row), catalogue.UnitName.value(row).trimmed(),
                  catalogue.UnitStr.value(row)}});
    return record;
}

QByteArray encode(const Record &record)
{
    QByteArray bytes = Heading.toByteArray() + '\n';
    if (record.saver != Saver::Unknown)
        bytes += record.saver == Saver::Army ? "tally\tarmy\n" : "tally\tcollection\n";
    bytes += "sav\t" + record.savDigest.toHex() + '\n';
    bytes += "catalogue\t" + record.catalogueDigest.toHex() + '\n';
    const auto unit = [](const UnitKey &key) {
        return escaped(key.id) + '\t' + escaped(key.name) + '\t' + escaped(key.strength);
    };
    // The kept counts come first: a load under the same catalogue reads no further.
    for (const KeptCount &kept : record.kept)
        bytes += "kept\t" + escaped(kept.count) + '\t' + unit(kept.unit) + '\n';
    for (const auto &[row, key] : record.rows)
        bytes += "row\t" + QByteArray::number(row) + '\t' + unit(key) + '\n';
    return bytes;
}

Decoded decodeHead(QByteArrayView bytes)
{
    const qsizetype rows = bytes.indexOf("\nrow\t");
    return decode(bytes.first(rows < 0 ? bytes.size() : rows + 1));
}

Decoded decode(QByteArrayView bytes)
{
    Decoded result;
    Record &record = result.record;
    const auto damaged = [&result](qsizetype line) {
        result = Decoded{};
        result.error = tr("Its line %1 is not what Rostermere writes.").arg(line);
        return result;
    };
    const QList<QByteArray> lines = bytes.toByteArray().split('\n');
    if (lines.isEmpty() || lines.front() != Heading) {
        result.error = tr("It is not a unit record of this program.");
        return result;
    }
    for (qsizetype at = 1; at < lines.size(); ++at) {
        const QByteArray &line = lines.at(at);
        if (line.isEmpty() && at == lines.size() - 1)
            break;
        const QList<QByteArray> fields = line.split('\t');
        const QByteArray &kind = fields.front();
        if (kind == "tally" && fields.size() == 2 &&
            (fields[1] == "army" || fields[1] == "collection"))
            record.saver = fields[1] == "army" ? Saver::Army : Saver::Collection;
        else if ((kind == "sav" || kind == "catalogue") && fields.size() == 2 &&
                 fields[1].size() == 64)
            (kind == "sav" ? record.savDigest : record.catalogueDigest) =
                QByteArray::fromHex(fields[1]);
        else if ((kind == "row" || kind == "kept") && fields.size() == 5) {
            UnitKey key;
            QString first;
            if (!unescaped(fields[1], first) || !unescaped(fields[2], key.id) ||
                !unescaped(fields[3], key.name) || !unescaped(fields[4], key.strength))
                return damaged(at + 1);
            bool number = false;
            const int row = first.toInt(&number);
            if (kind == "kept" && TallyFile::isCountText(first))
                record.kept.append({key, first});
            else if (number && row >= 0 && row < UnitCatalogue::MaxUnits)
                record.rows.append({row, key});
            else
                return damaged(at + 1);
        } else
            return damaged(at + 1);
    }
    if (record.savDigest.size() != 32 || record.catalogueDigest.size() != 32)
        return damaged(lines.size());
    return result;
}

} // namespace UnitRecord
