// SPDX-License-Identifier: GPL-3.0-or-later
#include "army_files.h"

#include "common/input_file.h"
#include "tally_file.h"
#include "tally_loading.h"
#include "tally_reading.h"
#include "unit_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ArmyFiles)
};

// Which file is there and when it last changed: a save replaces the file by another, so a new
// inode says so even within one tick of the clock.
QString stampOf(const QString &path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("-");
    return QStringLiteral("%1:%2:%3.%4")
        .arg(info.st_ino)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec);
}

} // namespace

QStringList tallyFileNames()
{
    QStringList names = QDir::current().entryList(
        {QStringLiteral("*.sav")}, QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
    for (QString &name : names)
        name.chop(4);
    return names;
}

QString armyFileStamp(const QString &name)
{
    const QString file = TallyFile::fileName(name);
    return stampOf(file) + u' ' + stampOf(UnitRecord::fileName(file));
}

ArmyFile readArmyFile(const QString &name, const UnitCatalogue &catalogue,
                      const QByteArray &catalogueDigest, const NumberFormat &format)
{
    ArmyFile army;
    army.name = name;
    army.stamp = armyFileStamp(name);
    army.tally.resize(catalogue.size());
    const QString file = TallyFile::fileName(name);
    const InputFile record = readInputFile(UnitRecord::fileName(file));
    if (record.ok() &&
        UnitRecord::decodeHead(record.bytes).record.saver == UnitRecord::Saver::Collection) {
        army.collection = true;
        return army;
    }
    const TallyRead read = readTally(file, catalogueDigest);
    if (!read.error.isEmpty()) {
        army.problem = read.error;
        return army;
    }
    army.byPosition = !read.record;
    const PlacedTally placed = placeTally(read, catalogue, catalogueDigest);
    if (!placed.kept.isEmpty()) {
        army.problem = Text::tr("%n counted unit(s) of it are not in this catalogue.", nullptr,
                                int(placed.kept.size()));
        return army;
    }
    if (placed.countedBeyond > 0) {
        army.problem = Text::tr("It counts %n row(s) past the end of this catalogue.", nullptr,
                                placed.countedBeyond);
        return army;
    }
    TallyUpdate loaded = loadedRows(placed.rows, catalogue, PriceReading::Strict, format);
    if (loaded.overflow != TotalKind::None) {
        army.problem = Text::tr("Its totals are out of their range.");
        return army;
    }
    army.tally = std::move(loaded.tally);
    army.needs = needsOf(army.tally.counts);
    return army;
}
