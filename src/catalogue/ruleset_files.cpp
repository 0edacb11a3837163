// SPDX-License-Identifier: GPL-3.0-or-later
#include "ruleset_files.h"

#include "common/background.h"
#include "common/file_names.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

QString rulesetFileProblem(const QString &fileName)
{
    struct stat written
    {};
    if (::stat(QFile::encodeName(fileName).constData(), &written) != 0)
        return QString();
    const auto same = [&written](const QString &input) {
        struct stat read
        {};
        return ::stat(QFile::encodeName(input).constData(), &read) == 0 &&
               read.st_dev == written.st_dev && read.st_ino == written.st_ino;
    };
    if (same(CatalogueFileName))
        return QCoreApplication::translate("RulesetFiles",
                                           "It is the catalogue \"%1\" that the units are read "
                                           "from, so nothing was written. Choose another name.")
            .arg(CatalogueFileName);
    if (same(PriceGuideFileName))
        return QCoreApplication::translate("RulesetFiles",
                                           "It is the price guide \"%1\" that the prices are "
                                           "read from, so nothing was written. Choose another "
                                           "name.")
            .arg(PriceGuideFileName);
    return QString();
}

RulesetFiles loadRulesetFiles()
{
    RulesetFiles files;
    files.stamps = RulesetFileReader::stamps();
    QFuture<PriceGuideLoad> guide =
        Background::run(Background::shared(), [] { return LoadPriceGuide(); });
    files.units = LoadCatalogue();
    files.guide = guide.takeResult();
    return files;
}

std::array<FileStamp, 2> RulesetFileReader::stamps()
{
    std::array<FileStamp, 2> result;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const QByteArray path = QFile::encodeName(i == 0 ? CatalogueFileName : PriceGuideFileName);
        struct stat info
        {};
        if (::stat(path.constData(), &info) != 0)
            continue;
        result[i] = {true,
                     qint64(info.st_dev),
                     qint64(info.st_ino),
                     qint64(info.st_size),
                     qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec,
                     qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    }
    return result;
}

void RulesetFileReader::startAhead()
{
    // Stamped before the read begins: a change while it runs shows as a different stamp.
    const std::array<FileStamp, 2> before = stamps();
    m_ahead = Background::run(Background::shared(), [before] {
        RulesetFiles files;
        files.stamps = before;
        files.units = LoadCatalogue();
        files.guide = LoadPriceGuide();
        // Off the window's thread as well, while the windows are built.
        applyPrices(files.units.catalogue, files.guide.prices);
        files.pricesApplied = true;
        return files;
    });
}

RulesetFiles RulesetFileReader::read()
{
    const std::array<FileStamp, 2> now = stamps();
    if (m_ahead.isValid()) {
        RulesetFiles files = m_ahead.takeResult();
        m_ahead = {};
        if (files.stamps == now)
            return files;
    }
    // A file rewritten, even with the same text, size and time, is another file to the system:
    // any change shows in its stamp.
    if (!now[0].exists || now[0] != m_shown.stamps[0])
        return loadRulesetFiles();
    RulesetFiles files;
    files.stamps = now;
    files.unitsAsShown = true;
    files.units.problems = m_shown.unitProblems;
    if (now[1].exists && now[1] == m_shown.stamps[1]) {
        files.guideAsShown = true;
        files.guide.problems = m_shown.guideProblems;
    } else {
        files.guide = LoadPriceGuide();
    }
    return files;
}

RulesetFileReader::State RulesetFileReader::stateOf(const RulesetFiles &files)
{
    const bool unitsRead =
        files.unitsAsShown || (files.units.error.isEmpty() && files.units.catalogue.size() > 0);
    const bool guideRead = files.guideAsShown || files.guide.error.isEmpty();
    return {{unitsRead ? files.stamps[0] : FileStamp{},
             unitsRead && guideRead ? files.stamps[1] : FileStamp{}},
            files.units.problems,
            files.guide.problems};
}

QString writingProblem(const QString &fileName)
{
    QString problem = fileNameProblem(fileName, NameUse::Writing);
    if (problem.isEmpty())
        problem = rulesetFileProblem(fileName);
    return problem;
}
