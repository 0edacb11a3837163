#include "catalogue/catalogue_file.h"
#include "tally/tally.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Tally tallyOf(const QStringList &counts, Totals totals = {})
{
    return Tally{counts, totals};
}

} // namespace

TEST(Counting, AddingAndRemovingMoveCountAndAllThreeTotals)
{
    Tally tally = tallyOf({u"0"_s, u"0"_s});
    const auto step = [&tally](Step s) { return changeFigure(tally, 1, u"45", u"3.5", s).changed; };
    EXPECT_TRUE(step(Step::Add));
    EXPECT_EQ(tally.counts, (QStringList{u"0"_s, u"1"_s}));
    EXPECT_EQ(tally.totals, (Totals{1, 45, 3.5f}));
    EXPECT_TRUE(step(Step::Add));
    EXPECT_EQ(tally.totals, (Totals{2, 90, 7.0f}));
    EXPECT_TRUE(step(Step::Remove) && step(Step::Remove));
    EXPECT_FALSE(step(Step::Remove)); // at 0 nothing more comes off
    EXPECT_EQ(tally.counts.at(1), u"0"_s);
    EXPECT_EQ(tally.totals, Totals{});
}

TEST(Counting, EachFigureIsReadAndWrittenAsTheRowsStand)
{
    struct Case
    {
        QString count, points, price;
        Step step;
        bool changed;
        QString countAfter;
        Totals after; // from totals {5, 50, 1.5}
    };
    const Totals start{5, 50, 1.5f};
    // clang-format off
    const Case cases[] = {
        {u"0"_s, u"10"_s, u"1"_s, Step::Remove, false, u"0"_s, start},
        {QString(), u"10"_s, u"1"_s, Step::Remove, false, QString(), start},
        {u"none"_s, u"10"_s, u"1"_s, Step::Remove, false, u"none"_s, start},
        {u"-1"_s, u"10"_s, u"1"_s, Step::Remove, false, u"-1"_s, start},
        {u"4"_s + QString(29, u' '), u"10"_s, u"1"_s, Step::Add, true, u"5"_s, {6, 60, 2.5f}},
        {u"1.5"_s, u"10"_s, u"1"_s, Step::Add, true, u"2.5"_s, {6, 60, 2.5f}},
        {u"0"_s, u"45"_s, QString(), Step::Add, true, u"1"_s, {6, 95, 1.5f}},
        {u"0"_s, u"45"_s, u"$3"_s, Step::Add, true, u"1"_s, {6, 95, 1.5f}},
        {u"0"_s, u"45 pts"_s, u"2,50"_s, Step::Add, true, u"1"_s, {6, 95, 3.5f}},
        {u"0"_s, u"2.5"_s, QString(), Step::Add, true, u"1"_s, {6, 52, 1.5f}},
        {u"1"_s, u"2.5"_s, QString(), Step::Remove, true, u"0"_s, {4, 48, 1.5f}},
    };
    // clang-format on
    for (const Case &c : cases) {
        Tally tally = tallyOf({c.count}, start);
        EXPECT_EQ(changeFigure(tally, 0, c.points, c.price, c.step).changed, c.changed)
            << c.count.toStdString();
        EXPECT_EQ(tally.counts.at(0), c.countAfter);
        EXPECT_EQ(tally.totals, c.after) << c.count.toStdString() << " " << c.points.toStdString();
    }
    Tally tally = tallyOf({u"0"_s});
    changeFigure(tally, 0, u"2.5", QString(), Step::Add); // ties go to even: 2.5 -> 2,
    changeFigure(tally, 0, u"2.5", QString(), Step::Add); // 4.5 -> 4
    EXPECT_EQ(tally.totals.value, 4);
    for (int row : {-1, 1})
        EXPECT_FALSE(changeFigure(tally, row, u"1", u"1", Step::Add).changed);
}

TEST(Counting, ChangesThatWouldOverflowChangeNothing)
{
    // clang-format off
    const std::tuple<const char *, Totals, QString, QString, QString, Step, TotalKind> cases[] = {
        {"points up", {1, 32760, 0}, u"1"_s, u"45"_s, u"1"_s, Step::Add, TotalKind::Points},
        {"figures up", {32767, 0, 0}, u"1"_s, u"0"_s, u"1"_s, Step::Add, TotalKind::Figures},
        {"points down", {1, -32768, 0}, u"1"_s, u"5"_s, u"1"_s, Step::Remove, TotalKind::Points},
        {"figures down", {-32768, 0, 0}, u"1"_s, u"0"_s, u"0"_s, Step::Remove, TotalKind::Figures},
        {"huge points", {}, u"0"_s, u"1e999"_s, u"1"_s, Step::Add, TotalKind::Points},
        {"huge money", {}, u"0"_s, u"1"_s, u"1e39"_s, Step::Add, TotalKind::Money},
        {"huge count", {}, u"1e39"_s, u"1"_s, u"1"_s, Step::Add, TotalKind::Figures}};
    // clang-format on
    for (const auto &[what, before, count, points, price, step, overflow] : cases) {
        Tally tally = tallyOf({count}, before);
        const FigureChange change = changeFigure(tally, 0, points, price, step);
        EXPECT_FALSE(change.changed) << what;
        EXPECT_EQ(change.overflow, overflow) << what;
        EXPECT_EQ(tally.counts.at(0), count) << what;
        EXPECT_EQ(tally.totals, before) << what;
    }
}

TEST(Recount, TotalsFollowCountsPointValuesAndPrices)
{
    UnitCatalogue units =
        parseCatalogue("1,A,Weak,C,F,10\n2,B,Weak,C,F,25\n3,C,Weak,C,F,30\n4,D,Weak,C,F,2.5\n")
            .catalogue;
    units.UnitPrice = {u"1.5"_s, QString(), u"2"_s, u"x"_s};
    Totals totals{9, 9, 9};
    EXPECT_EQ(recountTotals({u"0"_s, u"2"_s, u"11    "_s, u"0"_s}, units, totals), TotalKind::None);
    EXPECT_EQ(totals, (Totals{13, 380, 22}));

    // A negative count takes points and money away but adds no figures; rows past the
    // catalogue's end count nothing; an overflow leaves the totals alone.
    EXPECT_EQ(recountTotals({u"-1"_s, u"0"_s, u"1"_s, u"0"_s, u"99"_s}, units, totals),
              TotalKind::None);
    EXPECT_EQ(totals, (Totals{1, 20, 0.5f}));
    EXPECT_EQ(recountTotals({u"0"_s, u"2000"_s, u"0"_s, u"0"_s}, units, totals), TotalKind::Points);
    EXPECT_EQ(totals, (Totals{1, 20, 0.5f}));
}
