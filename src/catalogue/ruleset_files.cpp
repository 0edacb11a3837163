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
    QFuture<PriceGuideLoad> guide =
        Background::run(Background::shared(), [] { return LoadPriceGuide(); });
    RulesetFiles files;
    files.units = LoadCatalogue();
    files.guide = guide.takeResult();
    return files;
}

std::array<RulesetFilesAhead::Stamp, 2> RulesetFilesAhead::stamps()
{
    std::array<Stamp, 2> result;
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

void RulesetFilesAhead::start()
{
    // Stamped before the read begins: a change while it runs shows as a different stamp.
    m_stamps = stamps();
    m_read = Background::run(Background::shared(), [] {
        RulesetFiles files;
        files.units = LoadCatalogue();
        files.guide = LoadPriceGuide();
        return files;
    });
}

std::optional<RulesetFiles> RulesetFilesAhead::take()
{
    if (!m_read.isValid())
        return std::nullopt;
    RulesetFiles files = m_read.takeResult();
    m_read = {};
    if (stamps() != m_stamps)
        return std::nullopt;
    return files;
}

QString writingProblem(const QString &fileName)
{
    QString problem = fileNameProblem(fileName, NameUse::Writing);
    if (problem.isEmpty())
        problem = rulesetFileProblem(fileName);
    return problem;
}
