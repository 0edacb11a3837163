#include "catalogue/catalogue_file.h"
#include "catalogue/price_guide.h"

#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

UnitCatalogue units()
{
    return parseCatalogue("1,Grub,Weak,C,Mire,5\n"
                          "2,Hob,Standard,U,Mire,20\n"
                          "3,Grub,Weak,R,Mire,6\n"
                          "4,Boulder,Giant,C,Stone,90\n"
                          "5,Nell,Unique,LE,Mire,70\n")
        .catalogue;
}

QStringList pricesAfter(const QByteArray &guide)
{
    UnitCatalogue catalogue = units();
    applyPrices(catalogue, parsePriceGuide(guide).prices);
    return catalogue.UnitPrice;
}

} // namespace

TEST(PriceGuide, MatchesByKeyWithoutShiftingThePairs)
{
    struct Case
    {
        const char *what;
        QByteArray guide;
        QStringList prices; // per unit: Grub, Hob, Grub, Boulder, Nell
    };
    const Case cases[] = {
        {"every unit priced", "\"Grub (W)\",1.25\n\"Hob (S)\",3\n\"Nell (LE)\",40.50\n",
         {u"1.25"_s, u"3"_s, u"1.25"_s, QString(), u"40.50"_s}},
        {"two units share a key and both get its price",
         "\"Grub (W)\",1.25\n\"Hob (S)\",3\n",
         {u"1.25"_s, u"3"_s, u"1.25"_s, QString(), QString()}},
        {"an entry that matches nothing changes nothing after it",
         "\"Nobody (T)\",9\n\"Hob (S)\",3\n",
         {QString(), u"3"_s, QString(), QString(), QString()}},
        {"a later entry for the same key wins", "\"Hob (S)\",3\n\"Hob (S)\",4.5\n",
         {QString(), u"4.5"_s, QString(), QString(), QString()}},
        {"a unit without a key matches nothing, not even an empty name",
         "\"\",7\n,8\n\"Hob (S)\",3\n",
         {QString(), u"3"_s, QString(), QString(), QString()}},
        {"matching is case-sensitive and needs the whole key",
         "\"hob (S)\",1\n\"Hob\",2\n\"Hob (s)\",3\n\"Hob  (S)\",4\n",
         {QString(), QString(), QString(), QString(), QString()}},
        {"pairs may share a line or span lines", "\"Hob (S)\"\n3,\"Nell (LE)\"\n\n40\n",
         {QString(), u"3"_s, QString(), QString(), u"40"_s}},
        {"prices are kept as written", "\"Hob (S)\",\"  $3,00 \"\n",
         {QString(), u"  $3,00 "_s, QString(), QString(), QString()}},
        {"empty guide", "", QStringList(5)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pricesAfter(c.guide), c.prices) << c.what;
}

TEST(PriceGuide, TrailingNameWithoutPriceIsIgnoredAndReported)
{
    const PriceGuideLoad load = parsePriceGuide("\"Hob (S)\",3\n\"Grub (W)\"\n");
    EXPECT_EQ(load.prices.size(), 1);
    EXPECT_FALSE(load.prices.contains(u"Grub (W)"_s));
    ASSERT_EQ(load.problems.size(), 1);
    EXPECT_EQ(load.problems.front().line, 2);
    EXPECT_TRUE(load.problems.front().text.contains(u"Grub (W)"_s));
}

TEST(PriceGuide, ApplyingAGuideReplacesEarlierPrices)
{
    UnitCatalogue catalogue = units();
    applyPrices(catalogue, parsePriceGuide("\"Hob (S)\",3\n\"Grub (W)\",1\n").prices);
    applyPrices(catalogue, parsePriceGuide("\"Hob (S)\",5\n").prices);
    EXPECT_EQ(catalogue.UnitPrice, (QStringList{QString(), u"5"_s, QString(), QString(), QString()}));
}

TEST(PriceGuide, MissingFileLeavesEveryUnitUnpriced)
{
    QTemporaryDir dir;
    UnitCatalogue catalogue = units();
    applyPrices(catalogue, parsePriceGuide("\"Hob (S)\",3\n").prices);
    const PriceGuideLoad load = LoadPriceGuide(catalogue, dir.filePath(u"none.txt"_s));
    EXPECT_FALSE(load.error.isEmpty());
    EXPECT_EQ(catalogue.UnitPrice, QStringList(5));
}

TEST(PriceGuide, EmptyCatalogueReadsTheWholeGuideHarmlessly)
{
    UnitCatalogue empty;
    applyPrices(empty, parsePriceGuide("\"Hob (S)\",3\n").prices);
    EXPECT_EQ(empty.size(), 0);
    EXPECT_TRUE(empty.UnitPrice.isEmpty());
}
