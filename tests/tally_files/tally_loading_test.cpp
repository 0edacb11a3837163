#include "catalogue/catalogue_file.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_loading.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const NumberFormat english{u'.', u','};

UnitCatalogue threeUnits(const QStringList &prices = {u"1"_s, u"0.5"_s, QString()})
{
    UnitCatalogue units =
        parseCatalogue("1,A,Weak,C,F,10\n2,B,Standard,C,F,25\n3,C,Tough,C,F,30\n").catalogue;
    units.UnitPrice = prices;
    return units;
}

QStringList records(const QStringList &counts)
{
    return TallyFile::decode(TallyFile::encode(counts), counts.size()).records;
}

QStringList padded(const QStringList &texts)
{
    QStringList out;
    for (const QString &text : texts)
        out.append(text.leftJustified(TallyFile::RecordBytes, u' '));
    return out;
}

} // namespace

TEST(LoadTally, RowsTakeTheRecordsAndTotalsFollowThem)
{
    const TallyUpdate loaded = loadedTally(records({u"0"_s, u"2"_s, u"11"_s}), threeUnits(),
                                           PriceReading::Strict, english);
    EXPECT_EQ(loaded.overflow, TotalKind::None);
    EXPECT_EQ(loaded.tally.counts, padded({u"0"_s, u"2"_s, u"11"_s}));
    EXPECT_EQ(loaded.tally.totals, (Totals{13, 380, 1}));

    // Rows the file does not reach become 0.
    const TallyUpdate shorter =
        loadedTally(records({u"4"_s}), threeUnits(), PriceReading::Forgiving, english);
    EXPECT_EQ(shorter.tally.counts, (QStringList{padded({u"4"_s}).front(), u"0"_s, u"0"_s}));
    EXPECT_EQ(shorter.tally.totals, (Totals{4, 40, 4}));

    EXPECT_EQ(loadedTally(records({u"0"_s, u"2000"_s, u"0"_s}), threeUnits(), PriceReading::Strict,
                          english)
                  .overflow,
              TotalKind::Points);
    EXPECT_EQ(
        loadedTally(records({u"40000"_s}), threeUnits(), PriceReading::Strict, english).overflow,
        TotalKind::Figures);
}

TEST(LoadTally, ArmyReadsPricesStrictlyAndCollectionForgivingly)
{
    UnitCatalogue units = threeUnits({u"$2"_s, u"1.5 each"_s, u"3"_s});
    units.UnitPointValue[1] = u"25 pts"_s; // strictly unreadable: adds no points
    const QStringList file = records({u"1"_s, u"2"_s, u"1"_s});
    EXPECT_EQ(loadedTally(file, units, PriceReading::Strict, english).tally.totals,
              (Totals{4, 40, 3}));
    EXPECT_EQ(loadedTally(file, units, PriceReading::Forgiving, english).tally.totals,
              (Totals{4, 40, 6}));

    const NumberFormat german{u',', u'.'};
    EXPECT_EQ(loadedTally(records({u"2"_s, u"2"_s}), threeUnits({u"1,5"_s, u"1.5"_s, {}}),
                          PriceReading::Strict, german)
                  .tally.totals.price,
              3.0f);
}

TEST(AddArmy, CountedRowsAddUpAndOthersTakeTheArmyRecord)
{
    const Tally collection{{u"1"_s, u"0"_s, u"4"_s}, Totals{5, 130, 1}};
    const QStringList army = records({u"0"_s, u"2"_s, u"11"_s});
    const TallyUpdate once = collectionWithArmy(collection, army, threeUnits(), english);
    EXPECT_EQ(once.overflow, TotalKind::None);
    EXPECT_EQ(once.tally.counts, padded({u"1"_s, u"2"_s, u"15"_s}));
    EXPECT_EQ(once.tally.totals, (Totals{18, 510, 2}));
    const TallyUpdate twice = collectionWithArmy(once.tally, army, threeUnits(), english);
    EXPECT_EQ(twice.tally.counts, padded({u"1"_s, u"4"_s, u"26"_s}));
    EXPECT_EQ(twice.tally.totals, (Totals{31, 890, 3}));

    // Rows the army file does not reach stay as they are; an overflow is reported.
    const Tally counted{{u"0"_s, u"3"_s, u"4"_s}, Totals{1, 32000, 0}};
    const TallyUpdate partial =
        collectionWithArmy(counted, records({u"5"_s}), threeUnits(), english);
    EXPECT_EQ(partial.tally.counts, (QStringList{padded({u"5"_s}).front(), u"3"_s, u"4"_s}));
    EXPECT_EQ(partial.tally.totals, (Totals{6, 32050, 5}));
    EXPECT_EQ(collectionWithArmy(counted, records({u"0"_s, u"0"_s, u"30"_s}), threeUnits(), english)
                  .overflow,
              TotalKind::Points);
}
