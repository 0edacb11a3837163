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
    const QString none;
    // prices per unit: Grub, Hob, Grub (the same key), Boulder (no key), Nell
    // clang-format off
    const std::tuple<const char *, QByteArray, QStringList> cases[] = {
        {"every unit priced", "\"Grub (W)\",1.25\n\"Hob (S)\",3\n\"Nell (LE)\",40.50\n",
         {u"1.25"_s, u"3"_s, u"1.25"_s, none, u"40.50"_s}},
        {"an entry that matches nothing changes nothing after it",
         "\"Nobody (T)\",9\n\"Hob (S)\",3\n", {none, u"3"_s, none, none, none}},
        {"a later entry for the same key wins", "\"Hob (S)\",3\n\"Hob (S)\",4.5\n",
         {none, u"4.5"_s, none, none, none}},
        {"a unit without a key matches nothing, not even an empty name",
         "\"\",7\n,8\n\"Hob (S)\",3\n", {none, u"3"_s, none, none, none}},
        {"matching is case-sensitive and needs the whole key",
         "\"hob (S)\",1\n\"Hob\",2\n\"Hob (s)\",3\n\"Hob  (S)\",4\n", QStringList(5)},
        {"pairs may span lines", "\"Hob (S)\"\n3,\"Nell (LE)\"\n\n40\n",
         {none, u"3"_s, none, none, u"40"_s}},
        {"prices are kept as written", "\"Hob (S)\",\"  $3,00 \"\n",
         {none, u"  $3,00 "_s, none, none, none}},
        {"empty guide", "", QStringList(5)}};
    // clang-format on
    for (const auto &[what, guide, prices] : cases)
        EXPECT_EQ(pricesAfter(guide), prices) << what;
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

TEST(PriceGuide, ANewGuideReplacesEarlierPricesAndAMissingOneClearsThem)
{
    QTemporaryDir dir;
    UnitCatalogue catalogue = units();
    applyPrices(catalogue, parsePriceGuide("\"Hob (S)\",3\n\"Grub (W)\",1\n").prices);
    applyPrices(catalogue, parsePriceGuide("\"Hob (S)\",5\n").prices);
    EXPECT_EQ(catalogue.UnitPrice,
              (QStringList{QString(), u"5"_s, QString(), QString(), QString()}));
    EXPECT_FALSE(LoadPriceGuide(catalogue, dir.filePath(u"none.txt"_s)).error.isEmpty());
    EXPECT_EQ(catalogue.UnitPrice, QStringList(5));
}
