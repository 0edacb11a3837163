// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "tally/army_needs.h"
#include "tally/tally.h"

#include "test_support.h"

namespace {

// Point values 10, 25, 30 and 2.5; prices 1.5, none, 2 and an unreadable one.
UnitCatalogue fourUnits()
{
    UnitCatalogue units =
        parseCatalogue("1,A,Weak,C,F,10\n2,B,Weak,C,F,25\n3,C,Weak,C,F,30\n4,D,Weak,C,F,2.5\n")
            .catalogue;
    units.UnitPrice = QStringList{u"1.5"_s, QString(), u"2"_s, u"x"_s};
    return units;
}

} // namespace

TEST(Counting, EachFigureIsReadAndWrittenAsTheRowsStandAndOverflowsChangeNothing)
{
    using enum TotalKind;
    const Step add = Step::Add, remove = Step::Remove;
    const Totals start{5, 50, 1.5f};
    // A case without a count after it is refused: the count and the totals stay as they were.
    // clang-format off
    struct Case { Totals before; QString count, points, price; Step step;
                  TotalKind overflow = None; QString countAfter = {}; Totals after = {}; };
    const Case cases[] = {
        {start, u"0"_s, u"10"_s, u"1"_s, remove}, {start, u"none"_s, u"10"_s, u"1"_s, remove},
        {start, u"-1"_s, u"10"_s, u"1"_s, remove},
        {start, u"4"_s + QString(29, u' '), u"10"_s, u"1"_s, add, None, u"5"_s, {6, 60, 2.5f}},
        {start, u"1.5"_s, u"10"_s, u"1"_s, add, None, u"2.5"_s, {6, 60, 2.5f}},
        {start, u"0"_s, u"45"_s, u"$3"_s, add, None, u"1"_s, {6, 95, 1.5f}},
        {start, u"0"_s, u"45 pts"_s, u"2,50"_s, add, None, u"1"_s, {6, 95, 3.5f}},
        {start, u"0"_s, u"2.5"_s, QString(), add, None, u"1"_s, {6, 52, 1.5f}}, // ties go to even
        {start, u"1"_s, u"2.5"_s, u"0.5"_s, remove, None, u"0"_s, {4, 48, 1.0f}},
        {{1, 32760, 0}, u"1"_s, u"45"_s, u"1"_s, add, Points},
        {{32767, 0, 0}, u"1"_s, u"0"_s, u"1"_s, add, Figures},
        {{1, -32768, 0}, u"1"_s, u"5"_s, u"1"_s, remove, Points},
        {{-32768, 0, 0}, u"1"_s, u"0"_s, u"0"_s, remove, Figures},
        {{}, u"0"_s, u"1e999"_s, u"1"_s, add, Points}, {{}, u"0"_s, u"1"_s, u"1e39"_s, add, Money},
        {{}, u"1e39"_s, u"1"_s, u"1"_s, add, Figures}};
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE((c.count + u' ' + c.points + u' ' + c.price).toStdString());
        const bool refused = c.countAfter.isNull();
        Tally tally{{c.count}, c.before};
        const FigureChange change = changeFigure(tally, 0, c.points, c.price, c.step);
        EXPECT_EQ(change.changed, !refused);
        EXPECT_EQ(change.overflow, c.overflow);
        EXPECT_EQ(tally.counts, QStringList{refused ? c.count : c.countAfter});
        EXPECT_EQ(tally.totals, refused ? c.before : c.after);
    }
    Tally tally{{u"0"_s}, start};
    for (int row : {-1, 1})
        EXPECT_FALSE(changeFigure(tally, row, u"1", u"1", Step::Add).changed);
}

TEST(CarryOver, CountsStayRowByRowAndTotalsAreRecounted)
{
    // A negative count takes points and money away but adds no figures; counted rows past the
    // catalogue's end are dropped; an overflow leaves the totals alone.
    // clang-format off
    const std::tuple<QStringList, QString, int, TotalKind, Totals> cases[] = {
        {{u"0"_s, u"2"_s, u"11  "_s, u"0"_s}, u"0|2|11  |0"_s, 0, TotalKind::None, {13, 380, 22}},
        {{u"-1"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"-3"_s, u"99"_s}, u"-1|0|1|0"_s, 2,
         TotalKind::None, {1, 20, 0.5f}},
        {{u"0"_s, u"2000"_s}, u"0|2000|0|0"_s, 0, TotalKind::Points, {9, 9, 9}}};
    // clang-format on
    for (const auto &[counts, after, dropped, overflow, totals] : cases) {
        SCOPED_TRACE(counts.join(u'|').toStdString());
        const CarriedTally carried = carryOver(Tally{counts, {9, 9, 9}}, fourUnits());
        EXPECT_EQ(carried.tally.counts.join(u'|'), after);
        EXPECT_EQ(carried.droppedRows, dropped);
        EXPECT_EQ(carried.overflow, overflow);
        EXPECT_EQ(carried.tally.totals, totals);
    }
}

// Armies planned against one collection: what they need together or one at a time, what the
// collection lacks of that and what it costs, what it holds to spare, and the units each choice
// by the plan shows; the numbers read once for every row give the same answers.
TEST(ArmyPlan, NeedsLackingCostAndSpareOfArmiesTogetherOrOneAtATime)
{
    const UnitCatalogue units = fourUnits();
    const QStringList collection{u"1"_s, u"0"_s, u"5 "_s, u"0"_s};
    const Needs a = needsOf({u"2"_s, u"1"_s, u"0"_s, u"-1"_s});
    const Needs b = needsOf({u"1"_s, u"3"_s, u"2"_s, u"0"_s});
    const Needs c = needsOf({u"0"_s, u"0"_s, u"0"_s, u"4"_s});
    struct Case
    {
        QList<const Needs *> armies;
        PlanWay way;
        Needs needs;
        Lacking lacking;
        QList<int> lackingRows, spareRows;
        QList<double> spare;
    };
    const Case cases[] = {
        {{}, PlanWay::Together, {}, {}, {}, {0, 2}, {1, 0, 5, 0}},
        {{&a}, PlanWay::Together, {{0, 1}, {2, 1}}, {2, 1.5, 1}, {0, 1}, {2}, {0, 0, 5, 0}},
        {{&a, &b}, PlanWay::Together, {{0, 1, 2}, {3, 4, 2}}, {6, 3, 4}, {0, 1}, {2}, {0, 0, 3, 0}},
        {{&a, &b},
         PlanWay::OneAtATime,
         {{0, 1, 2}, {2, 3, 2}},
         {4, 1.5, 3},
         {0, 1},
         {2},
         {0, 0, 3, 0}},
        // A price the guide gives that can't be read costs nothing, and is not "no price".
        {{&b, &c},
         PlanWay::OneAtATime,
         {{0, 1, 2, 3}, {1, 3, 2, 4}},
         {7, 0, 3},
         {1, 3},
         {2},
         {0, 0, 3, 0}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(testing::Message() << test.armies.size() << " armies, way " << int(test.way));
        const Needs needs = test.armies.isEmpty() ? Needs() : combineNeeds(test.armies, test.way);
        EXPECT_EQ(needs, test.needs);
        for (const Lacking &lacking :
             {lackingFor(needs, collection, units),
              lackingFor(needs, heldFigures(collection), unitPrices(units))}) {
            EXPECT_DOUBLE_EQ(lacking.figures, test.lacking.figures);
            EXPECT_DOUBLE_EQ(lacking.cost, test.lacking.cost);
            EXPECT_DOUBLE_EQ(lacking.unpriced, test.lacking.unpriced);
        }
        const QStringList army(4, u"0"_s);
        EXPECT_EQ(chosenRows(UnitChoice::LackingForPlan, collection, army, needs),
                  test.lackingRows);
        EXPECT_EQ(chosenRows(UnitChoice::Spare, collection, army, needs), test.spareRows);
        for (int row = 0; row < 4; ++row)
            EXPECT_DOUBLE_EQ(spareAt(needs, collection, row), test.spare.at(row)) << row;
    }
    // One army's lack is what the single army choice says of it.
    const Lacking single = lackingForArmy(collection, {u"1"_s, u"3"_s, u"2"_s, u"0"_s}, units);
    EXPECT_DOUBLE_EQ(single.figures, 3);
    EXPECT_DOUBLE_EQ(single.unpriced, 3);
}
