#include "tally_files/tally_file.h"

#include "qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray record(const char *text)
{
    return QByteArray(text).leftJustified(TallyFile::RecordBytes, ' ');
}

QByteArray header(qint16 rows)
{
    return QByteArray(1, char(rows & 0xff)) + QByteArray(1, char((rows >> 8) & 0xff));
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(TallyFile, ThreeCountsMakeTheNinetyTwoBytesOfTheExample)
{
    const QByteArray expected = QByteArray("\x03\x00", 2) + record("0") + record("2") + record("11");
    const QByteArray bytes = TallyFile::encode({u"0"_s, u"2"_s, u"11"_s});
    EXPECT_EQ(bytes.size(), 92);
    EXPECT_EQ(bytes, expected);

    const TallyFile::Decoded decoded = TallyFile::decode(bytes, 3);
    EXPECT_TRUE(decoded.error.isEmpty());
    EXPECT_EQ(decoded.records, (QStringList{u"0"_s + QString(29, u' '), u"2"_s + QString(29, u' '),
                                            u"11"_s + QString(28, u' ')}));
}

TEST(TallyFile, RecordsArePaddedCutAndKeptAsWritten)
{
    const QString longText = u"123456789012345678901234567890XYZ"_s;
    const QString padded = u"4"_s + QString(29, u' ');
    const QByteArray bytes = TallyFile::encode({longText, padded, u"S\u00e9"_s});
    EXPECT_EQ(bytes.mid(2, 30), QByteArray("123456789012345678901234567890"));
    EXPECT_EQ(bytes.mid(62, 2), QByteArray("S\xe9"));
    const QStringList records = TallyFile::decode(bytes, 3).records;
    EXPECT_EQ(records.at(1), padded);
    EXPECT_EQ(TallyFile::encode(records), bytes);
}

TEST(TallyFile, RowCountsThatHoldNoRecordsOrMoreThanTheCatalogue)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        int catalogueRows;
        int records;
        bool refused;
    };
    const QByteArray three = header(3) + record("1") + record("2") + record("3");
    const Case cases[] = {
        {"empty file", QByteArray(), 5, 0, false},
        {"row count 0", header(0) + record("9"), 5, 0, false},
        {"negative row count", header(-2) + record("9") + record("9"), 5, 0, false},
        {"more rows than the catalogue", three, 2, 2, false},
        {"no catalogue at all", three, 0, 0, false},
        {"a longer old tail is not looked at", three + record("7") + record("8"), 5, 3, false},
        {"one byte", QByteArray("\x03"), 5, 0, true},
        {"short by a byte", three.chopped(1), 5, 0, true},
        {"header only", header(3), 5, 0, true},
        {"huge row count, little data", header(32767) + record("1"), 5, 0, true},
    };
    for (const Case &c : cases) {
        const TallyFile::Decoded decoded = TallyFile::decode(c.bytes, c.catalogueRows);
        EXPECT_EQ(decoded.records.size(), c.records) << c.what;
        EXPECT_EQ(!decoded.error.isEmpty(), c.refused) << c.what;
    }
}

TEST(TallyFile, NameBoxTextIsUsedUnchanged)
{
    EXPECT_EQ(TallyFile::fileName(QString()), u".sav"_s);
    EXPECT_EQ(TallyFile::fileName(u"x.sav"_s), u"x.sav.sav"_s);
    EXPECT_EQ(TallyFile::fileName(u"army "_s), u"army .sav"_s);
}

TEST(TallyFile, SavingReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"army1.sav"_s);
    ASSERT_TRUE(TallyFile::save(path, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}).isEmpty());
    EXPECT_EQ(readBytes(path).size(), 152);
    ASSERT_TRUE(TallyFile::save(path, {u"0"_s, u"2"_s, u"11"_s}).isEmpty());
    EXPECT_EQ(readBytes(path), TallyFile::encode({u"0"_s, u"2"_s, u"11"_s}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"army1.sav"_s});
}

TEST(TallyFile, FailedSaveReportsAndLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString folderInTheWay = dir.filePath(u"folder.sav"_s);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.sav"_s));
    const QString old = dir.filePath(u"old.sav"_s);
    writeBytes(old, TallyFile::encode({u"7"_s}));

    EXPECT_FALSE(TallyFile::save(dir.filePath(u"no/such/folder.sav"_s), {u"1"_s}).isEmpty());
    EXPECT_FALSE(TallyFile::save(folderInTheWay, {u"1"_s}).isEmpty());
    EXPECT_TRUE(QFileInfo(folderInTheWay).isDir());
    EXPECT_EQ(readBytes(old), TallyFile::encode({u"7"_s}));
}

TEST(TallyFile, LoadingAMissingFileCreatesNothing)
{
    QTemporaryDir dir;
    const TallyFile::Decoded decoded = TallyFile::load(dir.filePath(u"gone.sav"_s), 3);
    EXPECT_FALSE(decoded.error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(u"gone.sav"_s)));
}
