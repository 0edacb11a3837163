// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "common/output_file.h"
#include "recovery/recovery_file.h"
#include "reports/collection_report.h"
#include "tally_files/tally_file.h"
#include "tally_files/tally_reading.h"
#include "ui/gui_fixture.h"

#include <QProcess>
#include <QThread>

#include <cstdio>
#include <random>

namespace {
const QString Saved[] = {u"tally.sav"_s, u"tally.sav.units"_s, u"report.txt"_s, u"report.htm"_s,
                         u"session.copy"_s};
constexpr int Files = std::size(Saved);
} // namespace

// Saves each file of Saved in the working folder as the program saves tallies, reports and
// its recovery copy (each is writeWholeFile of the encoded bytes), in the versions the folder
// holds as NAME.0 and NAME.1 in turn, until it is killed.
TEST(CrashSafeSaving, DISABLED_SavesUntilKilled)
{
    QList<QByteArray> versions;
    for (const QString &name : Saved)
        for (const QString &version : {u".0"_s, u".1"_s}) {
            QFile file(name + version);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            versions.append(file.readAll());
        }
    std::puts("saving");
    std::fflush(stdout);
    for (int round = 0; round < 100000; ++round)
        for (int file = 0; file < Files; ++file)
            ASSERT_EQ(writeWholeFile(Saved[file], versions[2 * file + round % 2]), QString());
}

// Kills a process saving a full-size tally, both reports of it and a recovery copy of it at
// random moments; every file is then whole, the old version or the new one. ROSTERMERE_KILLS
// says how many times.
TEST_F(GuiTest, AFileKilledWhileSavingIsTheOldOrTheNewOneWhole)
{
    const UnitCatalogue units = parseCatalogue(numberedCatalogue(32767)).catalogue;
    const QByteArray identity = catalogueIdentity(units);
    QList<QByteArray> versions;
    for (int version = 0; version < 2; ++version) {
        const QStringList counts(units.size(), QString::number(version + 1));
        const CollectionReport report = buildCollectionReport(u"Kill"_s, counts, units, {});
        RecoveryCopy copy;
        copy.tallies[version].tally.counts = counts;
        const QByteArray tally = TallyFile::encode(counts);
        versions += {tally,
                     UnitRecord::encode(UnitRecord::describe(UnitRecord::Saver::Army, tally,
                                                             {counts, {}}, units, identity)),
                     textReport(report), htmlReport(report), encodeRecovery(copy)};
    }
    for (int file = 0; file < Files; ++file)
        for (const QString &version : {QString(), u".0"_s, u".1"_s})
            writeFile(Saved[file] + version, versions[version == u".1"_s ? file + Files : file]);
    std::mt19937 random(1);
    for (int kill = 0; kill < std::max(qEnvironmentVariableIntValue("ROSTERMERE_KILLS"), 30);
         ++kill) {
        QProcess child;
        child.setWorkingDirectory(m_dir.path());
        child.start(QCoreApplication::applicationFilePath(),
                    {u"--gtest_also_run_disabled_tests"_s,
                     u"--gtest_filter=CrashSafeSaving.DISABLED_SavesUntilKilled"_s});
        while (!child.readAllStandardOutput().contains("saving"))
            ASSERT_TRUE(child.waitForReadyRead(60000)) << "the saving child did not start";
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, 60000)(random));
        child.kill();
        ASSERT_TRUE(child.waitForFinished() && child.exitStatus() == QProcess::CrashExit)
            << "the child ended before the kill";
        for (int file = 0; file < Files; ++file) {
            const QByteArray bytes = fileBytes(Saved[file]); // "<missing>" when it is
            ASSERT_TRUE(bytes == versions[file] || bytes == versions[file + Files])
                << Saved[file].toStdString() << " is torn or missing after kill " << kill;
        }
        // The record is used only while it describes the tally file's bytes.
        const TallyRead read = readTally(m_dir.filePath(Saved[0]));
        const int saved = fileBytes(Saved[0]) == versions[0] ? 0 : Files;
        EXPECT_EQ(bool(read.record), fileBytes(Saved[1]) == versions[saved + 1]) << kill;
    }
}
