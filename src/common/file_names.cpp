#include "file_names.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

QString fileNameProblem(const QString &fileName, NameUse use)
{
    // A file another program named with a backslash may still be read; the program never
    // makes one.
    if (fileName.contains(u'/') || (use == NameUse::Writing && fileName.contains(u'\\')))
        return QCoreApplication::translate(
            "FileNames", "The name holds a folder part (\"/\" or \"\\\"). Files are kept in the "
                         "program's own folder, so type a plain name.");
    const long limit = pathconf(".", _PC_NAME_MAX);
    const long maxBytes = limit > 0 ? limit : 255;
    if (QFile::encodeName(fileName).size() > maxBytes)
        return QCoreApplication::translate(
                   "FileNames",
                   "Its name is too long for the file system, which takes at most %1 bytes.")
            .arg(maxBytes);
    return QString();
}

QString shownName(const QString &name)
{
    constexpr qsizetype Start = 40;
    constexpr qsizetype End = 20;
    if (name.size() <= Start + End + 1)
        return name;
    return name.first(Start) + u'\u2026' + name.last(End);
}
