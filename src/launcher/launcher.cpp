// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Rostermere from a desktop menu. The program works on the files of the folder it starts
// in, and a menu starts programs in the home folder, among the user's other files; so this starts
// it in a folder of its own, seeded with the installed sample data while it holds no catalogue.

#include "catalogue/catalogue_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Copies the sample files the folder lacks, never one the user already has. The catalogue comes
// last: while it is missing, the next start copies whatever an interrupted start did not.
QString seed(const QDir &folder, const QDir &sample)
{
    if (folder.exists(CatalogueFileName))
        return {};
    QStringList names = sample.entryList(QDir::Files, QDir::Name);
    if (names.removeAll(CatalogueFileName) > 0)
        names.append(CatalogueFileName);
    for (const QString &name : names) {
        if (QFileInfo::exists(folder.filePath(name)))
            continue;
        // QFile::copy writes a temporary file and renames it: a copy is whole or absent.
        QFile source(sample.filePath(name));
        if (!source.copy(folder.filePath(name)))
            return QApplication::tr("Could not copy the sample file \"%1\" into \"%2\": %3")
                .arg(name, QDir::toNativeSeparators(folder.path()), source.errorString());
    }
    return {};
}

QString startIn(const QString &folderPath, const QString &program, const QDir &sample)
{
    if (!QDir().mkpath(folderPath))
        return QApplication::tr("Could not make the folder \"%1\".")
            .arg(QDir::toNativeSeparators(folderPath));
    const QDir folder(folderPath);
    if (QString problem = seed(folder, sample); !problem.isEmpty())
        return problem;
    if (!QDir::setCurrent(folderPath))
        return QApplication::tr("Could not open the folder \"%1\".")
            .arg(QDir::toNativeSeparators(folderPath));
    const QByteArray path = QFile::encodeName(program);
    char *const arguments[] = {const_cast<char *>(path.constData()), nullptr};
    execv(path.constData(), arguments);
    return QApplication::tr("Could not start \"%1\": %2")
        .arg(QDir::toNativeSeparators(program), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Installed as bin/rostermere-launcher beside bin/rostermere, with the sample data in the
    // share folder of the same prefix, wherever that prefix is.
    const QDir bin =
        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    const QDir sample(bin.filePath(QStringLiteral(ROSTERMERE_SAMPLE_FROM_BIN)));
    const QString program = bin.filePath(QStringLiteral("rostermere"));
    const QString problem =
        startIn(QDir::home().filePath(QStringLiteral("Rostermere")), program, sample);

    // Only a failure needs the window system: the message is the user's one clue when the
    // program was started from a menu.
    QApplication app(argc, argv);
    QMessageBox::critical(nullptr, QStringLiteral("Rostermere"), problem);
    return 1;
}
