// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/codec.h"
#include "common/input_text.h"
#include "common/numbers.h"

#include "test_support.h"

#include <cmath>

TEST(Codec, EveryByteSurvivesAndWindowsCharactersAreTheirUnicodeLetters)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    EXPECT_EQ(encodeText(decodeText(all)), all);
    for (const QChar c : decodeText(all)) // NUL too
        EXPECT_TRUE(canEncode(c)) << int(c.unicode());
    EXPECT_EQ(decodeText("S\xE9ve \x80 \x93q\x94"), u"S\u00e9ve \u20ac \u201cq\u201d"_s);
    EXPECT_EQ(encodeText(u"a\u4e2d\u03a9b\u20ac\u0080"_s), QByteArray("a??b\x80?"));
    EXPECT_EQ(encodeText(u"\u00e9\u0080"_s), QByteArray("\xe9?")); // no letter past U+00FF
    EXPECT_FALSE(canEncode(QChar(0x4e2d)));
}

// A byte from 0x80 on is never ASCII: alone, or among runs of ASCII that are skipped eight at a
// time, it is a stray in a UTF-8 text unless it starts a whole sequence.
TEST(InputText, AStrayByteIsFoundWhereverItIs)
{
    const std::pair<QByteArray, qsizetype> cases[] = {{"\xc3\xa9\xc3\xa9\x80", 4},
                                                      {"\xc3\xa9\xc3\xa9 abcdefgh\x80", 13},
                                                      {"\xc3\xa9\xc3\xa9"
                                                       "abcdefg\x80hijklmnop",
                                                       11},
                                                      {"\xc3\xa9\xc2\x80", -1},
                                                      {"\xc3\xa9\xc3\xa9\xc2\x7f", 4}};
    for (const auto &[bytes, stray] : cases) {
        const InputText text = inputText(bytes);
        EXPECT_EQ(text.charset, Charset::Utf8) << bytes.toHex().constData();
        EXPECT_EQ(text.noteAt, stray) << bytes.toHex().constData();
        EXPECT_EQ(text.note.isEmpty(), stray < 0) << bytes.toHex().constData();
    }
}

TEST(NumberReaders, TheLooseOneReadsTheStartAndTheStrictOneTheWholeText)
{
    const std::optional<double> no;
    // text, readNumber, readStrictNumber with '.' and ','
    // clang-format off
    const std::tuple<QString, double, std::optional<double>> cases[] = {
        {u"  3.5 "_s, 3.5, 3.5}, {u"-2.5"_s, -2.5, -2.5}, {u"+4"_s, 4, 4}, {u".5"_s, 0.5, 0.5},
        {u"5."_s, 5, 5}, {u"1E3"_s, 1000, 1000}, {u"2.5e-1"_s, 0.25, 0.25}, {u"1D3"_s, 1000, no},
        {u"5d+2"_s, 500, no}, {u"1\t2\n3"_s, 123, no}, {u"- 5"_s, -5, no}, {u"\r3"_s, 0, 3},
        {u"1234"_s, 1234, 1234}, {u"1,234.5"_s, 1, 1234.5}, {u"123,456,789"_s, 123, 123456789},
        {u"12,34"_s, 12, no}, {u"1,2345"_s, 1, no}, {u"1234,567"_s, 1234, no}, {u",5"_s, 0, no},
        {u"1 234"_s, 1234, no}, {u"3.5$"_s, 3.5, no}, {u"$3"_s, 0, no}, {QString(), 0, no},
        {u"  "_s, 0, no}, {u"."_s, 0, no}, {u"-"_s, 0, no}, {u"1.2.3"_s, 1.2, no},
        {u"--1"_s, 0, no}, {u"1E+"_s, 1, no}, {u"1Ex"_s, 1, no}, {u"1e-999"_s, 0, 0},
        {u"-1e999"_s, -INFINITY, -INFINITY}, {u"0.000000000000000000001e-400"_s, 0, 0},
        {u"100000000000000000000e300"_s, INFINITY, INFINITY}, {u"1,2345,678"_s, 1, no},
        {u"007      "_s, 7, 7}, {u" 99999999999999999999"_s, 1e20, 1e20}, {u"1\t2.5"_s, 12.5, no},
        {u"16.24"_s, 16.24, 16.24}, {u"-.5"_s, -0.5, -0.5}, {u"0.1"_s, 0.1, 0.1}, {u"123456789012.345"_s, 123456789012.345,
        123456789012.345}, {u"1234567890123.4567"_s, 1234567890123.4567, 1234567890123.4567}};
    // clang-format on
    for (const auto &[text, loose, strict] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(readNumber(text), loose);
        EXPECT_EQ(readStrictNumber(text, {u'.', u','}), strict);
    }
    const NumberFormat de{u',', u'.'}, fr{u',', QChar(0x202F)};
    // clang-format off
    const std::tuple<NumberFormat, QString, std::optional<double>> regional[] = {
        {de, u"1.234,5"_s, 1234.5}, {de, u"3.5"_s, no}, {fr, u"1\u202F234,5"_s, 1234.5},
        {fr, u"1 234,5"_s, 1234.5}, {fr, u"1\u00a0234"_s, 1234}};
    // clang-format on
    for (const auto &[format, text, value] : regional)
        EXPECT_EQ(readStrictNumber(text, format), value) << text.toStdString();
}

TEST(TextForms, ShortestTextsThatReadBack)
{
    // clang-format off
    const std::pair<float, QString> singles[] = {
        {2.5f, u"2.5"_s}, {0.1f + 0.2f, u"0.3"_s}, {-0.0f, u"0"_s}, {-0.5f, u"-0.5"_s},
        {1234567.0f, u"1234567"_s}, {12345678.0f, u"1.234568E+07"_s}, {0.0001f, u"0.0001"_s},
        {0.00001f, u"1E-05"_s}};
    // clang-format on
    for (const auto &[value, text] : singles) {
        EXPECT_EQ(singleText(value), text);
        EXPECT_FLOAT_EQ(static_cast<float>(readNumber(singleText(value))), value);
    }
    EXPECT_EQ(singleText(12345678.0f, u','), u"1,234568E+07"_s);
    EXPECT_EQ(doubleText(123456789012345.0), u"123456789012345"_s);
    EXPECT_EQ(doubleText(1.0 / 3), u"0.333333333333333"_s);
}

TEST(Rounding, NearestWithTiesToEvenInsideSixteenBits)
{
    const std::optional<qint16> out;
    // clang-format off
    const std::pair<double, std::optional<qint16>> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4, 2}, {2.6, 3}, {32767.4, 32767},
        {32767.5, out}, {-32768.5, -32768}, {-32768.6, out}, {std::nan(""), out}, {INFINITY, out}};
    // clang-format on
    for (const auto &[value, rounded] : cases)
        EXPECT_EQ(roundToInt16(value), rounded) << value;
}
