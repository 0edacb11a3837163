// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_file.h"

#include "tally/unit_match.h"
#include "tally_files/tally_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QtEndian>

#include <bit>
#include <cstring>

namespace {

constexpr char Magic[] = "Rostermere recovery copy\n";
constexpr qsizetype MagicBytes = sizeof Magic - 1;
constexpr quint32 Format = 2; // 2: each counted row's unit, and the kept counts
constexpr qsizetype DigestBytes = 32;

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryFile)
};

QByteArray digest(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

class Writer
{
public:
    template <typename Number> void number(Number value)
    {
        const Number little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
    }
    void data(QByteArrayView value)
    {
        number(quint32(value.size()));
        bytes.append(value);
    }
    void text(const QString &value) { data(value.toUtf8()); }
    QByteArray bytes;
};

// Reads what Writer wrote; the first read past the end spoils it, and every later read gives
// nothing, so a short body is found once, at the end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    template <typename Number> Number number()
    {
        Number value{};
        if (!take(sizeof value))
            return value;
        std::memcpy(&value, m_bytes.data() + m_at - sizeof value, sizeof value);
        return qFromLittleEndian(value);
    }
    QByteArrayView data()
    {
        const quint32 size = number<quint32>();
        if (!take(size))
            return {};
        return m_bytes.sliced(m_at - size, size);
    }
    // Text as the writer wrote it: valid UTF-8 of at most `limit` bytes.
    QString text(qsizetype limit = MaxNameLength)
    {
        const QByteArrayView bytes = data();
        QString text = QString::fromUtf8(bytes);
        if (bytes.size() > limit || text.toUtf8() != bytes)
            spoil();
        return text;
    }
    bool ok() const { return m_ok && m_at == m_bytes.size(); }
    bool spoilt() const { return !m_ok; }
    void spoil() { m_ok = false; }

private:
    bool take(qsizetype size)
    {
        m_ok = m_ok && size <= m_bytes.size() - m_at;
        if (m_ok)
            m_at += size;
        return m_ok;
    }

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

} // namespace

QByteArray catalogueIdentity(const UnitCatalogue &catalogue)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const UnitTexts *field :
         {&catalogue.UnitId, &catalogue.UnitName, &catalogue.UnitStr, &catalogue.UnitRarity,
          &catalogue.UnitFaction, &catalogue.UnitPointValue}) {
        const QStringView text = field->text();
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(text.utf16()),
                                    text.size() * qsizetype(sizeof(char16_t))));
        const QList<qint32> &ends = field->ends();
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(ends.constData()),
                                    ends.size() * qsizetype(sizeof(qint32))));
    }
    return hash.result();
}

void describeUnits(RecoveryCopy &copy, const UnitCatalogue &catalogue)
{
    for (RecoveryCopy::Kept &kept : copy.tallies) {
        kept.units.clear();
        for (int row = 0; row < int(kept.tally.counts.size()); ++row)
            if (kept.tally.counts.at(row) != u"0")
                kept.units.append(unitKey(catalogue, row));
    }
}

QByteArray encodeRecovery(const RecoveryCopy &copy)
{
    Writer body;
    body.data(copy.folder);
    body.data(copy.catalogueId);
    body.number(qint64(copy.changed.toMSecsSinceEpoch()));
    body.number(quint8(copy.armyChosen));
    for (const RecoveryCopy::Kept &kept : copy.tallies) {
        body.text(kept.name);
        body.number(quint8(kept.unsaved));
        body.number(kept.tally.totals.number);
        body.number(kept.tally.totals.value);
        body.number(std::bit_cast<quint32>(kept.tally.totals.price));
        const QStringList &counts = kept.tally.counts;
        body.number(qint32(counts.size()));
        // Nearly every row is the "0" a catalogue starts with: only the others are written.
        qint32 others = 0;
        for (const QString &count : counts)
            others += count != u"0";
        body.number(others);
        const auto unit = [&body](const UnitKey &key) {
            body.text(key.id), body.text(key.name), body.text(key.strength);
        };
        for (qint32 row = 0, at = 0; row < counts.size(); ++row)
            if (counts.at(row) != u"0") {
                body.number(row);
                body.text(counts.at(row));
                unit(kept.units.value(at++));
            }
        body.number(qint32(kept.tally.kept.size()));
        for (const KeptCount &count : kept.tally.kept) {
            body.text(count.count);
            unit(count.unit);
        }
    }
    Writer file;
    file.bytes.append(Magic, MagicBytes);
    file.number(Format);
    file.number(quint32(body.bytes.size()));
    file.bytes.append(body.bytes);
    file.bytes.append(digest(body.bytes));
    return file.bytes;
}

DecodedRecovery decodeRecovery(QByteArrayView bytes)
{
    DecodedRecovery result;
    if (!bytes.startsWith(QByteArrayView(Magic, MagicBytes))) {
        result.error = bytes.isEmpty() ? Text::tr("The copy is empty.")
                                       : Text::tr("It is not a recovery copy of this program.");
        return result;
    }
    Reader head(bytes.sliced(MagicBytes).first(std::min<qsizetype>(8, bytes.size() - MagicBytes)));
    const quint32 format = head.number<quint32>();
    const quint32 size = head.number<quint32>();
    if (!head.spoilt() && format > Format) {
        result.error =
            Text::tr("It was written by a newer version of the program (format %1).").arg(format);
        return result;
    }
    const QByteArrayView rest = bytes.sliced(MagicBytes + (head.spoilt() ? 0 : 8));
    if (head.spoilt() || format < 1 || rest.size() != qsizetype(size) + DigestBytes ||
        digest(rest.first(size)) != rest.sliced(size)) {
        result.error = Text::tr("The copy is damaged: it was cut short or changed.");
        return result;
    }
    Reader body(rest.first(size));
    RecoveryCopy &copy = result.copy;
    // Flags are written as 0 or 1.
    const auto flag = [&body] {
        const quint8 value = body.number<quint8>();
        if (value > 1)
            body.spoil();
        return value == 1;
    };
    copy.folder = body.data().toByteArray();
    if (copy.folder.size() > MaxNameLength)
        body.spoil();
    copy.catalogueId = body.data().toByteArray();
    copy.changed = QDateTime::fromMSecsSinceEpoch(body.number<qint64>());
    copy.armyChosen = flag();
    for (RecoveryCopy::Kept &kept : copy.tallies) {
        kept.name = body.text();
        kept.unsaved = flag();
        kept.tally.totals.number = body.number<qint16>();
        kept.tally.totals.value = body.number<qint16>();
        kept.tally.totals.price = std::bit_cast<float>(body.number<quint32>());
        const qint32 rows = body.number<qint32>();
        const qint32 others = body.number<qint32>();
        if (rows < 0 || rows > UnitCatalogue::MaxUnits || others < 0 || others > rows)
            body.spoil();
        kept.tally.counts = QStringList(body.spoilt() ? 0 : rows, QStringLiteral("0"));
        // The writer lists the rows that are not "0", in order, each with a count text.
        const auto unit = [&body] {
            UnitKey key;
            key.id = body.text(), key.name = body.text(), key.strength = body.text();
            return key;
        };
        for (qint32 i = 0, previous = -1; i < others && !body.spoilt(); ++i) {
            const qint32 row = body.number<qint32>();
            const QString count = body.text(TallyFile::RecordBytes);
            if (row <= previous || row >= rows || count == u"0" || !TallyFile::isCountText(count))
                body.spoil();
            else
                kept.tally.counts[row] = count;
            if (format >= 2)
                kept.units.append(unit());
            previous = row;
        }
        const qint32 keptCounts = format >= 2 ? body.number<qint32>() : 0;
        if (keptCounts < 0 || keptCounts > UnitCatalogue::MaxUnits)
            body.spoil();
        for (qint32 i = 0; i < keptCounts && !body.spoilt(); ++i) {
            KeptCount count;
            count.count = body.text(TallyFile::RecordBytes);
            count.unit = unit();
            if (!TallyFile::isCountText(count.count))
                body.spoil();
            kept.tally.kept.append(count);
        }
    }
    if (!body.ok()) {
        result = DecodedRecovery{};
        result.error = Text::tr("The copy is damaged: what it holds does not fit together.");
    }
    return result;
}
