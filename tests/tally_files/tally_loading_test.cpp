#include "catalogue/catalogue_file.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_loading.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const NumberFormat english{u'.', u','};

UnitCatalogue threeUnits()
{
    UnitCatalogue units =
        parseCatalogue("1,A,Weak,C,F,10\n2,B,Standard,C,F,25\n3,C,Tough,C,F,30\n").catalogue;
    units.UnitPrice = {u"1"_s, u"0.5"_s, QString()};
    return units;
}

QStringList records(const QStringList &counts)
{
    return TallyFile::decode(TallyFile::encode(counts), counts.size()).records;
}

QString padded(const QString &text)
{
    return text.leftJustified(TallyFile::RecordBytes, u' ');
}

} // namespace

TEST(LoadTally, RowsTakeTheRecordsAndTotalsFollowThem)
{
    const TallyUpdate loaded =
        loadedTally(records({u"0"_s, u"2"_s, u"11"_s}), threeUnits(), PriceReading::Strict, english);
    EXPECT_EQ(loaded.overflow, TotalKind::None);
    EXPECT_EQ(loaded.tally.counts, (QStringList{padded(u"0"_s), padded(u"2"_s), padded(u"11"_s)}));
    EXPECT_EQ(loaded.tally.totals, (Totals{13, 380, 1}));
}

TEST(LoadTally, RowsTheFileDoesNotReachBecomeZero)
{
    const TallyUpdate loaded =
        loadedTally(records({u"4"_s}), threeUnits(), PriceReading::Forgiving, english);
    EXPECT_EQ(loaded.tally.counts, (QStringList{padded(u"4"_s), u"0"_s, u"0"_s}));
    EXPECT_EQ(loaded.tally.totals, (Totals{4, 40, 4}));
}

TEST(LoadTally, ArmyReadsPricesStrictlyAndCollectionForgivingly)
{
    UnitCatalogue units = threeUnits();
    units.UnitPointValue[1] = u"25 pts"_s; // strictly unreadable: adds no points
    units.UnitPrice = {u"$2"_s, u"1.5 each"_s, u"3"_s};
    const QStringList file = records({u"1"_s, u"2"_s, u"1"_s});

    const TallyUpdate army = loadedTally(file, units, PriceReading::Strict, english);
    EXPECT_EQ(army.tally.totals, (Totals{4, 40, 3}));
    const TallyUpdate collection = loadedTally(file, units, PriceReading::Forgiving, english);
    EXPECT_EQ(collection.tally.totals, (Totals{4, 40, 6}));
}

TEST(LoadTally, StrictReadingFollowsTheRegionalFormat)
{
    UnitCatalogue units = threeUnits();
    units.UnitPrice = {u"1,5"_s, u"1.5"_s, QString()};
    const NumberFormat german{u',', u'.'};
    const TallyUpdate army =
        loadedTally(records({u"2"_s, u"2"_s, u"0"_s}), units, PriceReading::Strict, german);
    EXPECT_EQ(army.tally.totals.price, 3.0f);
}

TEST(LoadTally, OverflowIsReported)
{
    const TallyUpdate loaded =
        loadedTally(records({u"0"_s, u"2000"_s, u"0"_s}), threeUnits(), PriceReading::Strict, english);
    EXPECT_EQ(loaded.overflow, TotalKind::Points);
    const TallyUpdate figures =
        loadedTally(records({u"40000"_s, u"0"_s, u"0"_s}), threeUnits(), PriceReading::Strict, english);
    EXPECT_EQ(figures.overflow, TotalKind::Figures);
}

TEST(AddArmy, CountedRowsAddUpAndOthersTakeTheArmyRecord)
{
    Tally collection;
    collection.counts = {u"1"_s, u"0"_s, u"4"_s};
    collection.totals = Totals{5, 130, 1};
    const QStringList army = records({u"0"_s, u"2"_s, u"11"_s});

    const TallyUpdate once = collectionWithArmy(collection, army, threeUnits(), english);
    EXPECT_EQ(once.overflow, TotalKind::None);
    EXPECT_EQ(once.tally.counts, (QStringList{padded(u"1"_s), padded(u"2"_s), padded(u"15"_s)}));
    EXPECT_EQ(once.tally.totals, (Totals{18, 510, 2}));

    const TallyUpdate twice = collectionWithArmy(once.tally, army, threeUnits(), english);
    EXPECT_EQ(twice.tally.counts, (QStringList{padded(u"1"_s), padded(u"4"_s), padded(u"26"_s)}));
    EXPECT_EQ(twice.tally.totals, (Totals{31, 890, 3}));
}

TEST(AddArmy, RowsTheArmyFileDoesNotReachStayAsTheyAre)
{
    Tally collection;
    collection.counts = {u"0"_s, u"3"_s, u"4"_s};
    const TallyUpdate added = collectionWithArmy(collection, records({u"5"_s}), threeUnits(), english);
    EXPECT_EQ(added.tally.counts, (QStringList{padded(u"5"_s), u"3"_s, u"4"_s}));
    EXPECT_EQ(added.tally.totals, (Totals{5, 50, 5}));
}

TEST(AddArmy, OverflowLeavesTheCollectionAsItWas)
{
    Tally collection;
    collection.counts = {u"0"_s, u"0"_s, u"0"_s};
    collection.totals = Totals{1, 32000, 0};
    const TallyUpdate added =
        collectionWithArmy(collection, records({u"0"_s, u"0"_s, u"30"_s}), threeUnits(), english);
    EXPECT_EQ(added.overflow, TotalKind::Points);
}
