// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(const QLocale &locale)
{
    static QTranslator program;
    static QTranslator toolkit;
    for (QTranslator *translator : {&program, &toolkit})
        QCoreApplication::removeTranslator(translator);
    // Every language without a translation of its own reads English, which needs the plural
    // forms ("1 figure", "2 figures") that only a translation gives.
    if (!program.load(locale, QStringLiteral("rostermere"), QStringLiteral("_"),
                      QStringLiteral(":/i18n")) ||
        program.language().startsWith(u"en")) {
        if (!program.load(QStringLiteral(":/i18n/rostermere_en.qm")))
            qWarning("The program's English plural forms are missing from its resources.");
    }
    QCoreApplication::installTranslator(&program);
    if (toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
}
