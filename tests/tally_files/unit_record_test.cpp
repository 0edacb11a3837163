// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "common/output_file.h"
#include "document/ruleset_reload.h"
#include "recovery/recovery_file.h"
#include "tally_files/replace_check.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_reading.h"

#include "test_support.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

namespace {

UnitCatalogue catalogue(const QByteArray &text)
{
    return parseCatalogue(text).catalogue;
}

// Counts by row with the kept ones after a bar: "0 1 2 | 2 Colossus (Tough): 2".
QString counts(const QStringList &rows, const QList<KeptCount> &kept)
{
    QStringList trimmed;
    for (const QString &count : rows)
        trimmed.append(count.trimmed());
    return trimmed.join(u' ') + (kept.isEmpty() ? QString() : u" | "_s + keptText(kept));
}

const QByteArray Archer = "1,Archer,Weak,C,F,5\n", Colossus = "2,Colossus,Tough,C,F,40\n",
                 Crow = "3,Crow,Weak,C,F,2\n", Newcomer = "7,Newcomer,Weak,C,F,1\n";

} // namespace

// One Archer and two Colossi, saved under the first catalogue, follow their units through
// every edit of it: loaded from the file with its record, and carried by a reload.
TEST(UnitRecord, CountsFollowTheirUnitsThroughEveryEditOfTheCatalogue)
{
    const UnitCatalogue first = catalogue(Archer + Colossus + Crow);
    const Tally tally{{u"1"_s, u"2"_s, u"0"_s}, {}};
    QTemporaryDir dir;
    const QString file = dir.filePath(u"Mine.sav"_s);
    const QByteArray bytes = TallyFile::encode(tally.counts);
    ASSERT_EQ(writeWholeFile(file, bytes), QString());
    const QByteArray firstId = catalogueIdentity(first);
    ASSERT_EQ(writeWholeFile(UnitRecord::fileName(file),
                             UnitRecord::encode(UnitRecord::describe(UnitRecord::Saver::Army, bytes,
                                                                     tally, first, firstId))),
              QString());
    // clang-format off
    const std::pair<QByteArray, const char *> edits[] = {
        {Newcomer + Archer + Colossus + Crow, "0 1 2 0"},     // a unit inserted at the top
        {Archer + Newcomer + Colossus + Crow, "1 0 2 0"},     // in the middle
        {Archer + Colossus + Crow + Newcomer, "1 2 0 0"},     // at the end
        {Crow + Colossus + Archer, "0 2 1"},                  // the order reversed
        {Archer + Crow, "1 0 | 2 Colossus (Tough): 2"},       // a counted unit removed
        {"1,Archer Prime,Weak,C,F,5\n" + Colossus + Crow, "1 2 0"}, // renamed, same ID
        {"9,Archer,Weak,C,F,5\n" + Colossus + Crow, "1 2 0"}, // another ID, same name
        {Archer + "1,Zealot,Weak,C,F,9\n" + Colossus, "1 0 2"}}; // a duplicate ID
    // clang-format on
    for (const auto &[text, expected] : edits) {
        SCOPED_TRACE(text.toStdString());
        const UnitCatalogue next = catalogue(text);
        const PlacedTally loaded = placeTally(readTally(file), next, catalogueIdentity(next));
        EXPECT_EQ(loaded.how, PlacedTally::How::ByUnit);
        QStringList rows(next.size(), u"0"_s);
        for (const auto &[row, count] : loaded.rows)
            rows[row] = count;
        EXPECT_EQ(counts(rows, loaded.kept), QLatin1String(expected));
        const CarriedTally carried = carryByUnit(tally, first, next);
        EXPECT_EQ(counts(carried.tally.counts, carried.tally.kept), QLatin1String(expected));
        // And back: the kept count goes back on its unit.
        const CarriedTally back = carryByUnit(carried.tally, next, first);
        EXPECT_EQ(counts(back.tally.counts, back.tally.kept), u"1 2 0"_s);
    }
    // Two counts of one unit (a catalogue that listed it twice): the second is kept, not lost.
    const PlacedCounts placed = placeCounts(
        {{0, u"1", u"Archer", u"Weak", u"3"_s}, {3, u"1", u"Archer", u"Weak", u"3"_s}}, first);
    EXPECT_EQ(
        counts({placed.rows.size() == 1 ? placed.rows.front().second : QString()}, placed.kept),
        u"3 | 1 Archer (Weak): 3"_s);
    // A reload of units that swapped their IDs moves the counts with the IDs; of the same units,
    // it keeps them row by row.
    for (const QByteArray &text :
         {QByteArray("2,Archer,Weak,C,F,5\n1,Colossus,Tough,C,F,40\n") + Crow,
          Archer + Colossus + Crow}) {
        const modGlobals current{first, tally, {}};
        RulesetFiles files;
        files.units = parseCatalogue(text);
        RulesetReload reload = reloadRuleset(std::move(files), current);
        ASSERT_TRUE(reload.next);
        EXPECT_EQ(counts(reload.next->collection.counts, {}),
                  text == Archer + Colossus + Crow ? u"1 2 0"_s : u"2 1 0"_s);
    }
    // The same catalogue reads by position, exactly as a file without a record.
    EXPECT_EQ(placeTally(readTally(file), first, firstId).how, PlacedTally::How::Unchanged);

    // A record of the first version, whose digest of the file is SHA-256, is used as well.
    const QString old = dir.filePath(u"Old.sav"_s);
    ASSERT_EQ(writeWholeFile(old, bytes), QString());
    ASSERT_EQ(
        writeWholeFile(UnitRecord::fileName(old),
                       "Rostermere unit record 1\nsav\t" +
                           QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() +
                           "\ncatalogue\t" + QByteArray(64, '0') +
                           "\nrow\t0\t1\tArcher\tWeak\nrow\t1\t2\tColossus\tTough\n"),
        QString());
    const UnitCatalogue inserted = catalogue(Newcomer + Archer + Colossus + Crow);
    const PlacedTally oldLoaded = placeTally(readTally(old), inserted, catalogueIdentity(inserted));
    EXPECT_EQ(oldLoaded.how, PlacedTally::How::ByUnit);
    QStringList oldRows(inserted.size(), u"0"_s);
    for (const auto &[row, count] : oldLoaded.rows)
        oldRows[row] = count;
    EXPECT_EQ(counts(oldRows, oldLoaded.kept), u"0 1 2 0"_s);
    // A record of other bytes is not used; a damaged one is said, and the file read by position.
    const QString other = dir.filePath(u"Other.sav"_s);
    ASSERT_EQ(writeWholeFile(other, TallyFile::encode({u"5"_s})), QString());
    QFile::copy(UnitRecord::fileName(file), UnitRecord::fileName(other));
    TallyRead read = readTally(other);
    EXPECT_TRUE(read.error.isEmpty() && !read.record && read.recordProblem.isEmpty());
    for (const QByteArray &damaged :
         {QByteArray("garbage"), QByteArray("Rostermere unit record 1\nrow\t1\t2\n"),
          QByteArray("Rostermere unit record 1\nsav\tab\n"),
          UnitRecord::encode({}).replace("row", "rpw") + "row\t-1\ta\tb\tc\n",
          // a whole record but for its end, cut inside a character
          UnitRecord::encode(UnitRecord::describe({}, bytes, tally, first, firstId)) +
              "row\t0\ta\tb\tc\xc3"}) {
        ASSERT_EQ(writeWholeFile(UnitRecord::fileName(other), damaged), QString());
        read = readTally(other);
        EXPECT_FALSE(read.record);
        EXPECT_FALSE(read.recordProblem.isEmpty()) << damaged.constData();
        EXPECT_EQ(placeTally(read, first, firstId).rows.front().second.trimmed(), u"5"_s);
    }
    EXPECT_EQ(UnitRecord::decode(UnitRecord::encode({}) + "row\t0\t\xff\tb\tc\n").error,
              u"Its line 4 is not what Rostermere writes."_s);
    // A record reads back as written, tabs and backslashes in its fields too.
    UnitRecord::Record record;
    record.saver = UnitRecord::Saver::Collection;
    record.savDigest = QByteArray(32, 'a');
    record.catalogueDigest = QByteArray(32, 'b');
    record.addRow(4, u"a\tb", u"c\\d", u"\n\r");
    record.addRow(9, u"", u"\u00e9", u"\\\\");
    record.kept = {{{u"x"_s, u"y"_s, u"z"_s}, u"3"_s}};
    const UnitRecord::Decoded back = UnitRecord::decode(UnitRecord::encode(record));
    ASSERT_EQ(back.error, QString());
    EXPECT_EQ(back.record, record);
}

// Before a save replaces a tally file: it asks when the other tally saved the file and it holds
// figures, or when the file counts rows past the catalogue's end; otherwise it replaces.
TEST(UnitRecord, ASaveAsksBeforeReplacingWhatItWouldLose)
{
    const UnitCatalogue units = catalogue(Archer + Colossus);
    const QByteArray two = TallyFile::encode({u"1"_s, u"2"_s});
    const auto recordOf = [&](UnitRecord::Saver saver, const QByteArray &file) {
        return UnitRecord::encode(UnitRecord::describe(saver, file, {{u"1"_s, u"2"_s}, {}}, units,
                                                       catalogueIdentity(units)));
    };
    using Answer = ReplaceCheck::Answer;
    const UnitRecord::Saver army = UnitRecord::Saver::Army, owned = UnitRecord::Saver::Collection;
    const struct
    {
        QByteArray file, record;
        Answer answer;
        double figures;
    } cases[] = {
        {two, {}, Answer::Replace, 0},                         // no record
        {two, recordOf(army, two), Answer::Replace, 0},        // saved by the army itself
        {two, recordOf(owned, two), Answer::AskOtherTally, 3}, // by the collection
        {two, recordOf(owned, "other bytes"), Answer::Replace, 0},
        {TallyFile::encode({u"0"_s, u"0"_s}), recordOf(owned, TallyFile::encode({u"0"_s, u"0"_s})),
         Answer::Replace, 0}, // the collection's, but empty
        {two, "damaged", Answer::Replace, 0},
        {TallyFile::encode({u"1"_s, u"0"_s, u"4"_s, u"1"_s}), {}, Answer::AskCountsBeyond, 5},
    };
    for (const auto &[file, record, answer, figures] : cases) {
        SCOPED_TRACE(record.left(40).toStdString());
        const ReplaceCheck check = checkReplace(file, record, army, units.size());
        EXPECT_EQ(check.answer, answer);
        EXPECT_EQ(answer == Answer::AskCountsBeyond ? check.figuresBeyond : check.heldFigures,
                  figures);
    }
}
