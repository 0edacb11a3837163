// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_files/tally_file.h"

#include "test_support.h"

namespace {

QByteArray record(const char *text)
{
    return QByteArray(text).leftJustified(TallyFile::RecordBytes, ' ');
}

QByteArray header(qint16 rows)
{
    return QByteArray(1, char(rows & 0xff)) + QByteArray(1, char((rows >> 8) & 0xff));
}

} // namespace

TEST(TallyFile, RecordsArePaddedOrCutToThirtyBytesAndReadBackAsWritten)
{
    // The 92 bytes of three counts 0, 2 and 11.
    const QByteArray bytes = TallyFile::encode({u"0"_s, u"2"_s, u"11"_s});
    EXPECT_EQ(bytes, QByteArray("\x03\x00", 2) + record("0") + record("2") + record("11"));
    EXPECT_EQ(TallyFile::decode(bytes, 3).records,
              (QStringList{u"0"_s + QString(29, u' '), u"2"_s + QString(29, u' '),
                           u"11"_s + QString(28, u' ')}));

    const QByteArray cut = TallyFile::encode({u"123456789012345678901234567890XYZ"_s});
    EXPECT_EQ(cut, header(1) + "123456789012345678901234567890");
    EXPECT_EQ(TallyFile::encode(TallyFile::decode(cut, 1).records), cut);

    EXPECT_EQ(TallyFile::fileName(u"x.sav"_s), u"x.sav.sav"_s);
}

TEST(TallyFile, WhatADecodeKeepsAndWhatItRefuses)
{
    const QByteArray three = header(3) + record("1") + record("2") + record("3");
    const char *const notTally = "not a tally file";
    // bytes, catalogue rows -> records kept, what a refusal says
    // clang-format off
    const std::tuple<const char *, QByteArray, int, int, const char *> cases[] = {
        {"empty file", {}, 5, 0, notTally}, {"row count 0", header(0) + "\x89PNG", 5, 0, ""},
        {"a count in exponent form", header(1) + record("1.234568E+07"), 5, 1, ""},
        {"a letter after a count", header(1) + record("12x"), 5, 0, notTally},
        {"more rows than the catalogue", three, 2, 2, ""}, {"no catalogue", three, 0, 0, ""},
        {"blanks before a count", header(1) + record("  7"), 5, 1, ""},
        {"a byte above 0x7e", header(1) + record("S\xe9"), 5, 0, notTally},
        {"a control byte", header(1) + record("1\t"), 5, 0, notTally},
        {"a zero byte", header(1) + QByteArray(30, '\0'), 5, 0, notTally},
        {"bad record past the catalogue", three.chopped(30) + record("\x7f"), 1, 0, notTally}};
    // clang-format on
    for (const auto &[what, bytes, rows, kept, refusal] : cases) {
        const TallyFile::Decoded decoded = TallyFile::decode(bytes, rows);
        EXPECT_EQ(decoded.records.size(), kept) << what;
        EXPECT_EQ(decoded.error.isEmpty(), *refusal == 0) << what;
        EXPECT_TRUE(decoded.error.contains(QLatin1String(refusal))) << decoded.error.toStdString();
    }
}
