// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_loading.h"

#include "test_support.h"

namespace {

const NumberFormat english{u'.', u','};

// Three units of 10, 25 and 30 points with these prices, and `points` for the second.
UnitCatalogue units(const QStringList &prices = {u"1"_s, u"0.5"_s, QString()},
                    const QString &points = u"25"_s)
{
    UnitCatalogue catalogue =
        parseCatalogue("1,A,Weak,C,F,10\n2,B,Standard,C,F,25\n3,C,Tough,C,F,30\n").catalogue;
    catalogue.UnitPrice = prices;
    catalogue.UnitPointValue = QStringList{u"10"_s, points, u"30"_s};
    return catalogue;
}

// The records of a file holding these counts, and a tally's counts as one text in which a
// record-long count ends in "_".
QStringList records(const QStringList &counts)
{
    return TallyFile::decode(TallyFile::encode(counts), counts.size()).records;
}

QString shown(const TallyUpdate &update)
{
    QStringList counts = update.tally.counts;
    for (QString &count : counts)
        if (count.size() == TallyFile::RecordBytes)
            count = count.trimmed() + u'_';
    const Totals &t = update.tally.totals;
    return counts.join(u' ') + u" | %1 %2 %3"_s.arg(t.number).arg(t.value).arg(t.price);
}

} // namespace

TEST(LoadTally, RowsTakeTheRecordsAndTotalsFollowThem)
{
    const QStringList file = records({u"1"_s, u"2"_s, u"1"_s});
    const UnitCatalogue odd = units({u"$2"_s, u"1.5 each"_s, u"3"_s}, u"25 pts"_s);
    // clang-format off
    using Case = std::tuple<QStringList, UnitCatalogue, PriceReading, NumberFormat, const char *>;
    const Case cases[] = {
        {records({u"0"_s, u"2"_s, u"11"_s}), units(), PriceReading::Strict, english,
         "0_ 2_ 11_ | 13 380 1"},
        {records({u"4"_s}), units(), PriceReading::Forgiving, english, "4_ 0 0 | 4 40 4"},
        // Strictly unreadable points and prices add nothing; the collection reads prices
        // forgivingly.
        {file, odd, PriceReading::Strict, english, "1_ 2_ 1_ | 4 40 3"},
        {file, odd, PriceReading::Forgiving, english, "1_ 2_ 1_ | 4 40 6"},
        {records({u"2"_s, u"2"_s}), units({u"1,5"_s, u"1.5"_s, {}}), PriceReading::Strict,
         NumberFormat{u',', u'.'}, "2_ 2_ 0 | 4 70 3"}};
    // clang-format on
    for (const auto &[counts, catalogue, prices, format, expected] : cases) {
        const TallyUpdate loaded = loadedTally(counts, catalogue, prices, format);
        EXPECT_EQ(loaded.overflow, TotalKind::None);
        EXPECT_EQ(shown(loaded), QLatin1String(expected));
    }
    EXPECT_EQ(
        loadedTally(records({u"0"_s, u"2000"_s}), units(), PriceReading::Strict, english).overflow,
        TotalKind::Points);
}

TEST(AddArmy, CountedRowsAddUpAndOthersTakeTheArmyRecord)
{
    // Row 1 is not counted, so it takes the army's text as it stands; prices read strictly.
    const Tally collection{{u"1"_s, u"0"_s, u"4"_s}, Totals{5, 130, 1}};
    const UnitCatalogue priced = units({u"1"_s, u"0.5 each"_s, u"2"_s});
    EXPECT_EQ(
        shown(collectionWithArmy(collection, records({u"0"_s, u"2.0"_s, u"1"_s}), priced, english)),
        u"1_ 2.0_ 5_ | 8 210 3"_s);
    // Rows the army file does not reach stay as they are.
    const Tally counted{{u"0"_s, u"3"_s, u"4"_s}, Totals{1, 32000, 0}};
    EXPECT_EQ(shown(collectionWithArmy(counted, records({u"5"_s}), units(), english)),
              u"5_ 3 4 | 6 32050 5"_s);
}
