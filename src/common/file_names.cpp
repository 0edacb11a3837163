// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_names.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

namespace {

bool isControl(QChar character)
{
    return character.unicode() < 0x20 || character.unicode() == 0x7F;
}

// "U+0000 (NUL)": a control character by its code and its usual short name.
QString controlName(char16_t code)
{
    static const char *const Names[33] = {
        "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
        "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
        "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",  "DEL"};
    return QStringLiteral("U+%1 (%2)")
        .arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'),
             QLatin1String(Names[code == 0x7F ? 32 : code]));
}

} // namespace

QString fileNameProblem(const QString &fileName, NameUse use)
{
    // A pasted NUL would end the name where the system reads it, and the other control
    // characters are invisible in every list of files.
    for (const QChar character : fileName)
        if (isControl(character))
            return QCoreApplication::translate(
                       "FileNames", "The name holds the control character %1, which is not "
                                    "shown and may not stand in a file name. Type the name "
                                    "without it.")
                .arg(controlName(character.unicode()));
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
    QString shown =
        name.size() <= Start + End + 1 ? name : name.first(Start) + u'\u2026' + name.last(End);
    // A control character would vanish from the message, or end it: it shows as its symbol.
    for (QChar &character : shown)
        if (isControl(character))
            character = QChar(character.unicode() == 0x7F ? 0x2421 : 0x2400 + character.unicode());
    return shown;
}
