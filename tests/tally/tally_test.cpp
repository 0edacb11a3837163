#include "catalogue/catalogue_file.h"
#include "tally/tally.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Tally zeros(int rows)
{
    Tally tally;
    tally.resize(rows);
    return tally;
}

} // namespace

TEST(Counting, AddingAndRemovingMoveCountAndAllThreeTotals)
{
    Tally tally = zeros(2);
    EXPECT_TRUE(changeFigure(tally, 1, u"45", u"3.5", Step::Add).changed);
    EXPECT_EQ(tally.counts, (QStringList{u"0"_s, u"1"_s}));
    EXPECT_EQ(tally.totals, (Totals{1, 45, 3.5f}));
    EXPECT_TRUE(changeFigure(tally, 1, u"45", u"3.5", Step::Add).changed);
    EXPECT_EQ(tally.counts.at(1), u"2"_s);
    EXPECT_EQ(tally.totals, (Totals{2, 90, 7.0f}));
    EXPECT_TRUE(changeFigure(tally, 1, u"45", u"3.5", Step::Remove).changed);
    EXPECT_TRUE(changeFigure(tally, 1, u"45", u"3.5", Step::Remove).changed);
    EXPECT_EQ(tally.counts.at(1), u"0"_s);
    EXPECT_EQ(tally.totals, Totals{});
}

TEST(Counting, RemovingNeedsACountAboveZero)
{
    for (const QString &count : {u"0"_s, QString(), u"none"_s, u"-1"_s, u"0.0"_s}) {
        Tally tally = zeros(1);
        tally.counts[0] = count;
        tally.totals = Totals{5, 50, 1.5f};
        const FigureChange change = changeFigure(tally, 0, u"10", u"1", Step::Remove);
        EXPECT_FALSE(change.changed) << count.toStdString();
        EXPECT_EQ(change.overflow, TotalKind::None);
        EXPECT_EQ(tally.counts.at(0), count);
        EXPECT_EQ(tally.totals, (Totals{5, 50, 1.5f}));
    }
}

TEST(Counting, PricesAndPointsAreReadFromTheirStart)
{
    struct Case
    {
        QString points, price;
        Totals after;
    };
    const Case cases[] = {
        {u"45"_s, QString(), {1, 45, 0}},
        {u"45"_s, u"n/a"_s, {1, 45, 0}},
        {u"45"_s, u"$3"_s, {1, 45, 0}},
        {u"45"_s, u"2,50"_s, {1, 45, 2}},
        {u"45 pts"_s, u"1.25 ea"_s, {1, 45, 1.25f}},
        {QString(), u"1"_s, {1, 0, 1}},
    };
    for (const Case &c : cases) {
        Tally tally = zeros(1);
        EXPECT_TRUE(changeFigure(tally, 0, c.points, c.price, Step::Add).changed);
        EXPECT_EQ(tally.totals, c.after) << c.points.toStdString() << " / " << c.price.toStdString();
    }
}

TEST(Counting, FractionalPointsRoundToEvenAtEachStep)
{
    Tally tally = zeros(1);
    changeFigure(tally, 0, u"2.5", QString(), Step::Add);
    EXPECT_EQ(tally.totals.value, 2);
    changeFigure(tally, 0, u"2.5", QString(), Step::Add);
    EXPECT_EQ(tally.totals.value, 4);
}

TEST(Counting, PaddedCountTextIsReadAndRewrittenShort)
{
    Tally tally = zeros(1);
    tally.counts[0] = u"4"_s + QString(29, u' ');
    changeFigure(tally, 0, u"1", QString(), Step::Add);
    EXPECT_EQ(tally.counts.at(0), u"5"_s);
}

TEST(Counting, ChangesThatWouldOverflowChangeNothing)
{
    struct Case
    {
        const char *what;
        Totals before;
        QString count, points, price;
        Step step;
        TotalKind overflow;
    };
    const Case cases[] = {
        {"points past 32767", {1, 32760, 0}, u"1"_s, u"45"_s, u"1"_s, Step::Add, TotalKind::Points},
        {"figures past 32767", {32767, 0, 0}, u"1"_s, u"0"_s, u"1"_s, Step::Add, TotalKind::Figures},
        {"points below -32768", {1, -32768, 0}, u"1"_s, u"5"_s, u"1"_s, Step::Remove,
         TotalKind::Points},
        {"figures below -32768", {-32768, 0, 0}, u"1"_s, u"0"_s, u"0"_s, Step::Remove,
         TotalKind::Figures},
        {"points too large to read", {}, u"0"_s, u"1e999"_s, u"1"_s, Step::Add, TotalKind::Points},
        {"money past single precision", {}, u"0"_s, u"1"_s, u"1e39"_s, Step::Add, TotalKind::Money},
        {"a count past single precision", {}, u"1e39"_s, u"1"_s, u"1"_s, Step::Add,
         TotalKind::Figures},
    };
    for (const Case &c : cases) {
        Tally tally = zeros(1);
        tally.counts[0] = c.count;
        tally.totals = c.before;
        const FigureChange change = changeFigure(tally, 0, c.points, c.price, c.step);
        EXPECT_FALSE(change.changed) << c.what;
        EXPECT_EQ(change.overflow, c.overflow) << c.what;
        EXPECT_EQ(tally.counts.at(0), c.count) << c.what;
        EXPECT_EQ(tally.totals, c.before) << c.what;
    }
}

TEST(Counting, RowsOutsideTheTallyChangeNothing)
{
    Tally tally = zeros(2);
    for (int row : {-1, 2, 100})
        EXPECT_FALSE(changeFigure(tally, row, u"1", u"1", Step::Add).changed);
    EXPECT_EQ(tally.counts, (QStringList{u"0"_s, u"0"_s}));
}

TEST(Counting, CountTextsDoNotDependOnTheDecimalSeparator)
{
    Tally tally = zeros(1);
    tally.counts[0] = u"1.5"_s;
    changeFigure(tally, 0, u"1", QString(), Step::Add);
    EXPECT_EQ(tally.counts.at(0), u"2.5"_s);
}

TEST(Recount, TotalsFollowCountsPointValuesAndPrices)
{
    UnitCatalogue catalogue =
        parseCatalogue("1,A,Weak,C,F,10\n2,B,Weak,C,F,25\n3,C,Weak,C,F,30\n4,D,Weak,C,F,2.5\n")
            .catalogue;
    catalogue.UnitPrice = {u"1.5"_s, QString(), u"2"_s, u"x"_s};

    Totals totals{9, 9, 9};
    EXPECT_EQ(recountTotals({u"0"_s, u"2"_s, u"11    "_s, u"0"_s}, catalogue, totals),
              TotalKind::None);
    EXPECT_EQ(totals, (Totals{13, 380, 22}));

    // A negative count takes points and money away but adds no figures; rows past the
    // catalogue's end count nothing.
    EXPECT_EQ(recountTotals({u"-1"_s, u"0"_s, u"1"_s, u"0"_s, u"99"_s}, catalogue, totals),
              TotalKind::None);
    EXPECT_EQ(totals, (Totals{1, 20, 0.5f}));

    totals = Totals{3, 3, 3};
    EXPECT_EQ(recountTotals({u"0"_s, u"2000"_s, u"0"_s, u"0"_s}, catalogue, totals),
              TotalKind::Points);
    EXPECT_EQ(totals, (Totals{3, 3, 3}));
}
