// The readers of everything the program takes from outside, for libFuzzer. One source makes
// every target; FUZZ_TARGET names the one built. Each target also checks what the reader
// promises, and stops (as a finding) when a promise is broken.
#include "catalogue/catalogue_file.h"
#include "catalogue/price_guide.h"
#include "common/numbers.h"
#include "tally_files/tally_file.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

void require(bool promise)
{
    if (!promise)
        __builtin_trap();
}

QByteArrayView bytesOf(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), qsizetype(size)};
}

// Any UTF-16 text, the characters taken two bytes at a time.
QString textOf(const std::uint8_t *data, std::size_t size)
{
    return QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
}

void catalogue(QByteArrayView bytes)
{
    const UnitCatalogue units = parseCatalogue(bytes).catalogue;
    require(units.size() >= 0 && units.size() <= UnitCatalogue::MaxUnits);
    for (const QStringList *list :
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
// again gives the same bytes.
void tallyFile(QByteArrayView bytes)
{
    for (const int catalogueRows : {0, 3, 32767}) {
        const TallyFile::Decoded file = TallyFile::decode(bytes, catalogueRows);
        require(file.error.isEmpty() || file.records.isEmpty());
        const qint16 rows =
            bytes.size() >= 2 ? qint16(quint8(bytes[0]) | quint8(bytes[1]) << 8) : 0;
        if (!file.error.isEmpty() || rows <= 0) {
            require(file.records.isEmpty());
            continue;
        }
        require(file.records.size() == std::min<int>(rows, catalogueRows));
        if (file.records.size() == rows)
            require(TallyFile::encode(file.records) ==
                    bytes.first(TallyFile::HeaderBytes + qsizetype(rows) * TallyFile::RecordBytes));
    }
}

void number(const QString &text)
{
    require(!std::isnan(readNumber(text)));
}

void strictNumber(const QString &text)
{
    for (const NumberFormat format :
         {NumberFormat{u'.', u','}, NumberFormat{u',', u'.'}, NumberFormat{u',', QChar(0x202F)}}) {
        const std::optional<double> value = readStrictNumber(text, format);
        require(!value || !std::isnan(*value));
        // A plain number (digits, point, sign, exponent) reads the same strictly and loosely.
        const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || QStringView(u".+-eE").contains(c);
        });
        if (value && plain && format.decimalSeparator == u'.')
            require(readNumber(text) == *value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes = bytesOf(data, size);
    const QString text = textOf(data, size);
    switch (FUZZ_TARGET) {
    case 1:
        catalogue(bytes);
        break;
    case 2:
        priceGuide(bytes);
        break;
    case 3:
        tallyFile(bytes);
        break;
    case 4:
        number(text);
        break;
    default:
        strictNumber(text);
    }
    return 0;
}
