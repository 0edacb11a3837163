// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "recovery/recovery_file.h"

#include "test_support.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <functional>
#include <vector>

namespace {

RecoveryCopy evening()
{
    RecoveryCopy copy;
    copy.folder = "/home/pl\xe4yer/Rostermere"; // not UTF-8: kept as the system's bytes
    copy.catalogueId = catalogueIdentity(parseCatalogue("1,Grub,Weak,C,M,5\n").catalogue);
    copy.changed = QDateTime::fromMSecsSinceEpoch(1796000000123);
    copy.armyChosen = true;
    // A loaded row keeps its padding, a counted one its short form; totals as they stood.
    copy.tallies = {{{u"Even\u00efng"_s,
                      {{u"2"_s, u"0"_s, QString(29, u' ').prepend(u'7')}, {9, 315, 12.35f}},
                      true},
                     {u""_s, {{u"0"_s, u"0"_s, u"0"_s}, {0, 0, 0.0f}}, false}}};
    // Each counted row's unit, and a count of a unit the catalogue lacks.
    copy.tallies[0].units = {{u"1"_s, u"Grub"_s, u"Weak"_s}, {u"7"_s, u"T\tab"_s, u"Tough"_s}};
    copy.tallies[1].tally.kept = {{{u"9"_s, u"Gone"_s, u"Unique"_s}, u"4"_s}};
    return copy;
}

} // namespace

// A copy reads back exactly as written; anything else is refused with its reason, and nothing
// of a damaged copy is used.
TEST(RecoveryFile, ReadsBackExactlyAndRefusesWhatItDidNotWrite)
{
    const RecoveryCopy copy = evening();
    const QByteArray bytes = encodeRecovery(copy);
    const DecodedRecovery back = decodeRecovery(bytes);
    ASSERT_EQ(back.error, QString());
    EXPECT_EQ(back.copy.folder, copy.folder);
    EXPECT_EQ(back.copy.catalogueId, copy.catalogueId);
    EXPECT_EQ(back.copy.changed, copy.changed);
    EXPECT_TRUE(back.copy.armyChosen);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(back.copy.tallies[i].name, copy.tallies[i].name);
        EXPECT_EQ(back.copy.tallies[i].tally.counts, copy.tallies[i].tally.counts);
        EXPECT_EQ(back.copy.tallies[i].tally.totals, copy.tallies[i].tally.totals);
        EXPECT_EQ(back.copy.tallies[i].unsaved, copy.tallies[i].unsaved);
        EXPECT_EQ(back.copy.tallies[i].units, copy.tallies[i].units);
        EXPECT_EQ(back.copy.tallies[i].tally.kept, copy.tallies[i].tally.kept);
    }
    QByteArray flipped = bytes, newer = bytes, longer = bytes;
    // A body with its digest right but a byte more than its fields: not one the program wrote.
    const QByteArray body = bytes.mid(33, bytes.size() - 33 - 32) + 'x';
    QByteArray padded = bytes.left(29) + QByteArray(4, '\0') + body +
                        QCryptographicHash::hash(body, QCryptographicHash::Sha256);
    qToLittleEndian<quint32>(quint32(body.size()), padded.data() + 29);
    flipped[bytes.size() / 2] = char(flipped[bytes.size() / 2] ^ 1);
    newer[25] = 3;
    // clang-format off
    std::vector<std::pair<QByteArray, const char *>> bad = {
        {{}, "The copy is empty."}, {"PK\3\4 a zip file", "not a recovery copy"},
        {bytes.chopped(1), "damaged"}, {bytes.left(30), "damaged"}, {bytes.left(26), "damaged"},
        {flipped, "damaged"}, {longer.append('x'), "damaged"}, {newer, "newer version"},
        {padded, "does not fit together"}};
    // clang-format on
    // Sealed with a right digest, but holding what the program never writes.
    const auto written = [&copy](const std::function<void(RecoveryCopy &)> &change) {
        RecoveryCopy crafted = copy;
        change(crafted);
        return std::pair{encodeRecovery(crafted), "does not fit together"};
    };
    const auto count = [](const QString &text) {
        return [text](RecoveryCopy &c) { c.tallies[1].tally.counts[1] = text; };
    };
    const std::pair<QByteArray, const char *> crafted[] = {
        written(count(u"abc"_s)),
        written(count(u"NaN"_s)),
        written(count(u"-3"_s)),
        written(count(u"1e"_s)),
        written(count(QString(31, u'1'))),
        written(count(u"1\t"_s)),
        written([](RecoveryCopy &c) { c.tallies[0].name = QString(MaxNameLength + 1, u'n'); }),
        written([](RecoveryCopy &c) { c.folder = QByteArray(MaxNameLength + 1, 'f'); })};
    for (const auto &[damaged, says] : crafted)
        bad.push_back({damaged, says});
    for (const auto &[damaged, says] : bad) {
        const DecodedRecovery read = decodeRecovery(damaged);
        EXPECT_TRUE(read.error.contains(QLatin1String(says))) << read.error.toStdString();
        EXPECT_TRUE(read.copy.tallies[0].tally.counts.isEmpty());
    }
    // Another order of the same units is another catalogue.
    EXPECT_NE(catalogueIdentity(parseCatalogue("1,A,Weak,C,M,5\n2,B,Weak,C,M,5\n").catalogue),
              catalogueIdentity(parseCatalogue("2,B,Weak,C,M,5\n1,A,Weak,C,M,5\n").catalogue));
}
