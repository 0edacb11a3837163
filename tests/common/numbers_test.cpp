#include "common/numbers.h"

#include "qt_printers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(NumberReader, ReadsTheNumberAtTheStart)
{
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::pair<QString, double> cases[] = {
        {u"3"_s, 3}, {u"  3  "_s, 3}, {u"-2.5"_s, -2.5}, {u"+4"_s, 4}, {u"1E3"_s, 1000},
        {u"1e3"_s, 1000}, {u"1D3"_s, 1000}, {u"2.5E-1"_s, 0.25}, {u"5d+2"_s, 500},
        {u"1 2 3"_s, 123}, {u"1\t2\n3"_s, 123}, {u"- 5"_s, -5}, {u"\r3"_s, 0},
        {u"4                             "_s, 4}, {u"3,5"_s, 3}, {u"3.5$"_s, 3.5}, {u"$3"_s, 0},
        {u"\u20ac3"_s, 0}, {u"12abc"_s, 12}, {u"abc"_s, 0}, {QString(), 0}, {u"."_s, 0},
        {u"-"_s, 0}, {u".5"_s, 0.5}, {u"5."_s, 5}, {u"1.2.3"_s, 1.2}, {u"--1"_s, 0}, {u"1E"_s, 1},
        {u"1E+"_s, 1}, {u"1Ex"_s, 1}, {u"1e999"_s, inf}, {u"-1e999"_s, -inf}, {u"1e-999"_s, 0},
        {u"0.000000000000000000001e-400"_s, 0}, {u"100000000000000000000e300"_s, inf}};
    // clang-format on
    for (const auto &[text, value] : cases)
        EXPECT_EQ(readNumber(text), value) << text.toStdString();
}

TEST(StrictNumberReader, ReadsTheWholeTextInTheRegionalFormat)
{
    const NumberFormat en{u'.', u','}, de{u',', u'.'}, fr{u',', QChar(0x202F)};
    const std::optional<double> no;
    // clang-format off
    const std::tuple<NumberFormat, QString, std::optional<double>> cases[] = {
        {en, u"3.5"_s, 3.5}, {en, u"  3.5 "_s, 3.5}, {en, u"-2"_s, -2}, {en, u"+2"_s, 2},
        {en, u".5"_s, 0.5}, {en, u"5."_s, 5}, {en, u"1E3"_s, 1000}, {en, u"1234"_s, 1234},
        {en, u"1,234.5"_s, 1234.5}, {en, u"1,234,567"_s, 1234567}, {en, u"12,34"_s, no},
        {en, u"1,2345"_s, no}, {en, u"1234,567"_s, no}, {en, u",5"_s, no}, {en, u"3,5"_s, no},
        {en, u"1D3"_s, no}, {en, u"3.5x"_s, no}, {en, u"$3"_s, no}, {en, u"3 5"_s, no},
        {en, QString(), no}, {en, u"   "_s, no}, {en, u"."_s, no}, {en, u"-"_s, no},
        {de, u"3,5"_s, 3.5}, {de, u"1.234,5"_s, 1234.5}, {de, u"3.5"_s, no},
        {fr, u"3,5"_s, 3.5}, {fr, u"1\u202F234,5"_s, 1234.5}, {fr, u"1 234,5"_s, 1234.5},
        {fr, u"1\u00a0234"_s, 1234}};
    // clang-format on
    for (const auto &[format, text, value] : cases)
        EXPECT_EQ(readStrictNumber(text, format), value)
            << text.toStdString() << " with separator "
            << QString(format.decimalSeparator).toStdString();
}

TEST(TextForms, ShortestTextsThatReadBack)
{
    // clang-format off
    const std::pair<float, QString> singles[] = {
        {3.0f, u"3"_s}, {2.5f, u"2.5"_s}, {0.75f, u"0.75"_s}, {0.1f + 0.2f, u"0.3"_s},
        {-0.5f, u"-0.5"_s}, {-0.0f, u"0"_s}, {1234567.0f, u"1234567"_s},
        {12345678.0f, u"1.234568E+07"_s}, {0.0001f, u"0.0001"_s}, {0.00001f, u"1E-05"_s}};
    // clang-format on
    for (const auto &[value, text] : singles) {
        EXPECT_EQ(singleText(value), text);
        EXPECT_FLOAT_EQ(static_cast<float>(readNumber(singleText(value))), value);
    }
    EXPECT_EQ(singleText(2.5f, u','), u"2,5"_s);
    EXPECT_EQ(singleText(12345678.0f, u','), u"1,234568E+07"_s);
    EXPECT_EQ(doubleText(123456789012345.0), u"123456789012345"_s);
    EXPECT_EQ(doubleText(2.5), u"2.5"_s);
    EXPECT_EQ(doubleText(0), u"0"_s);
}

TEST(Rounding, NearestWithTiesToEvenInsideSixteenBits)
{
    const std::optional<qint16> out;
    // clang-format off
    const std::pair<double, std::optional<qint16>> cases[] = {
        {2.5, 2}, {3.5, 4}, {4.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4, 2}, {2.6, 3},
        {32767.4, 32767}, {32767.5, out}, {-32768.5, -32768}, {-32768.6, out}, {40000, out},
        {std::nan(""), out}, {std::numeric_limits<double>::infinity(), out}};
    // clang-format on
    for (const auto &[value, rounded] : cases)
        EXPECT_EQ(roundToInt16(value), rounded) << value;
}
