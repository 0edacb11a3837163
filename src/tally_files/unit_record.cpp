// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_record.h"

#include "common/numbers.h"
#include "tally_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QStringDecoder>

namespace UnitRecord {

namespace {

constexpr QStringView Heading = u"Rostermere unit record ";

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(UnitRecord)
};

QCryptographicHash::Algorithm savHash(int version)
{
    // BLAKE2b reads a full-size tally file several times faster than SHA-256 here, and a load
    // or a save waits for it.
    return version == 1 ? QCryptographicHash::Sha256 : QCryptographicHash::Blake2b_256;
}

void appendEscaped(QString &out, QStringView field)
{
    const auto plain = [](QChar c) { return c != u'\\' && c != u'\t' && c != u'\n' && c != u'\r'; };
    if (std::all_of(field.begin(), field.end(), plain)) {
        out += field;
        return;
    }
    for (const QChar c : field)
        out += c == u'\\'   ? QStringView(u"\\\\")
               : c == u'\t' ? QStringView(u"\\t")
               : c == u'\n' ? QStringView(u"\\n")
               : c == u'\r' ? QStringView(u"\\r")
                            : QStringView(&c, 1);
}

// The field as it was before escaping; false when it holds what escaping never writes.
bool unescaped(QStringView text, QString &field)
{
    field.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            field += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        const QChar c = text[i];
        if (c != u'\\' && c != u't' && c != u'n' && c != u'r')
            return false;
        field += c == u't' ? u'\t' : c == u'n' ? u'\n' : c == u'r' ? u'\r' : u'\\';
    }
    return true;
}

// A field without escapes is used as it stands; most are.
QStringView plainOrUnescaped(QStringView text, QString &buffer, bool &ok)
{
    if (!text.contains(u'\\'))
        return text;
    ok = ok && unescaped(text, buffer);
    return buffer;
}

} // namespace

void Record::addRow(int row, QStringView id, QStringView name, QStringView strength)
{
    rows.append(row);
    ids.append(id);
    names.append(name);
    strengths.append(strength);
}

QString fileName(const QString &tallyFileName)
{
    return tallyFileName + QStringLiteral(".units");
}

QByteArray digest(QByteArrayView tallyFile)
{
    return QCryptographicHash::hash(tallyFile, savHash(Version));
}

bool describes(const Record &record, QByteArrayView tallyFile)
{
    return record.savDigest == QCryptographicHash::hash(tallyFile, savHash(record.version));
}

Record describe(Saver saver, const QByteArray &tallyFile, const Tally &tally,
                const UnitCatalogue &catalogue, const QByteArray &catalogueDigest)
{
    Record record;
    record.saver = saver;
    record.savDigest = digest(tallyFile);
    record.catalogueDigest = catalogueDigest;
    record.kept = tally.kept;
    const int rows = std::min<int>(tally.counts.size(), catalogue.size());
    for (int row = 0; row < rows; ++row)
        if (isCounted(tally.counts.at(row)))
            record.addRow(row, catalogue.UnitId.at(row), catalogue.UnitName.at(row).trimmed(),
                          catalogue.UnitStr.at(row));
    return record;
}

QByteArray encode(const Record &record)
{
    QString text = Heading.toString() + QString::number(record.version) + u'\n';
    text.reserve(text.size() + 200 + record.ids.text().size() + record.names.text().size() +
                 record.strengths.text().size() + 16 * record.rows.size());
    if (record.saver != Saver::Unknown)
        text += record.saver == Saver::Army ? u"tally\tarmy\n" : u"tally\tcollection\n";
    text += QLatin1String("sav\t" + record.savDigest.toHex() + '\n');
    text += QLatin1String("catalogue\t" + record.catalogueDigest.toHex() + '\n');
    const auto unit = [&text](QStringView id, QStringView name, QStringView strength) {
        appendEscaped(text, id);
        text += u'\t';
        appendEscaped(text, name);
        text += u'\t';
        appendEscaped(text, strength);
        text += u'\n';
    };
    // The kept counts come first: a load under the same catalogue reads no further.
    for (const KeptCount &kept : record.kept) {
        text += u"kept\t";
        appendEscaped(text, kept.count);
        text += u'\t';
        unit(kept.unit.id, kept.unit.name, kept.unit.strength);
    }
    for (qsizetype at = 0; at < record.rows.size(); ++at) {
        text += u"row\t";
        text += QString::number(record.rows.at(at));
        text += u'\t';
        unit(record.ids.at(int(at)), record.names.at(int(at)), record.strengths.at(int(at)));
    }
    return text.toUtf8();
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
        result.error = Text::tr("Its line %1 is not what Rostermere writes.").arg(line);
        return result;
    };
    // Checked as UTF-8 once, then read as text: a full-size record has a line per unit.
    QStringDecoder toText(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                    QStringDecoder::Flag::Stateless);
    const QString text = toText(bytes);
    const qsizetype headingEnd = text.indexOf(u'\n');
    const QStringView heading = QStringView(text).first(headingEnd < 0 ? text.size() : headingEnd);
    if (!heading.startsWith(Heading) ||
        (heading.sliced(Heading.size()) != u"1" && heading.sliced(Heading.size()) != u"2")) {
        result.error = Text::tr("It is not a unit record of this program.");
        return result;
    }
    if (toText.hasError()) {
        // The line that holds bytes no UTF-8 text has, as a record read line by line would say.
        qsizetype line = 1;
        for (qsizetype at = 0; at <= bytes.size(); ++line) {
            qsizetype end = bytes.indexOf('\n', at);
            end = end < 0 ? bytes.size() : end;
            if (!QUtf8StringView(bytes.data() + at, end - at).isValidUtf8())
                return damaged(line);
            at = end + 1;
        }
        return damaged(line);
    }
    record.version = heading.back() == u'1' ? 1 : 2;
    qsizetype line = 1;
    QString id, name, strength, first;
    for (qsizetype at = headingEnd < 0 ? text.size() : headingEnd + 1; at < text.size();) {
        ++line;
        qsizetype end = text.indexOf(u'\n', at);
        if (end < 0)
            end = text.size();
        QStringView fields[6];
        int count = 0;
        for (const QStringView field : QStringView(text).sliced(at, end - at).tokenize(u'\t')) {
            if (count == 6)
                return damaged(line);
            fields[count++] = field;
        }
        at = end + 1;
        const QStringView kind = fields[0];
        if (kind == u"tally" && count == 2 && (fields[1] == u"army" || fields[1] == u"collection"))
            record.saver = fields[1] == u"army" ? Saver::Army : Saver::Collection;
        else if ((kind == u"sav" || kind == u"catalogue") && count == 2 && fields[1].size() == 64)
            (kind == u"sav" ? record.savDigest : record.catalogueDigest) =
                QByteArray::fromHex(fields[1].toLatin1());
        else if ((kind == u"row" || kind == u"kept") && count == 5) {
            bool ok = true;
            const QStringView number = plainOrUnescaped(fields[1], first, ok);
            const QStringView unit[3] = {plainOrUnescaped(fields[2], id, ok),
                                         plainOrUnescaped(fields[3], name, ok),
                                         plainOrUnescaped(fields[4], strength, ok)};
            bool isNumber = false;
            const int row = number.toInt(&isNumber);
            if (!ok)
                return damaged(line);
            if (kind == u"kept" && TallyFile::isCountText(number))
                record.kept.append({{unit[0].toString(), unit[1].toString(), unit[2].toString()},
                                    number.toString()});
            else if (kind == u"row" && isNumber && row >= 0 && row < UnitCatalogue::MaxUnits)
                record.addRow(row, unit[0], unit[1], unit[2]);
            else
                return damaged(line);
        } else
            return damaged(line);
    }
    if (record.savDigest.size() != 32 || record.catalogueDigest.size() != 32)
        return damaged(line + 1);
    return result;
}

} // namespace UnitRecord
