// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "ui/status_report.h"
#include "ui/translations.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// The placeholders of a text, sorted: "%1", "%2", "%n", ...
QStringList placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression mark(u"%(\\d+|n)"_s);
    for (const QRegularExpressionMatch &match : mark.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// Why a translation file fails the sources' texts: each text of the sources that is missing,
// unfinished, empty or without a placeholder of its source.
QStringList untranslated(const QString &language)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"rostermere_%1.ts"_s.arg(language));
    if (!QFile::copy(u"%1/src/translations/rostermere_%2.ts"_s.arg(
                         QStringLiteral(ROSTERMERE_SOURCE_DIR), language),
                     file))
        return {u"no translation file"_s};
    // The texts are gathered afresh from the sources: a new text comes in unfinished.
    QStringList arguments{u"-silent"_s, u"-no-obsolete"_s, u"-locations"_s, u"none"_s};
    if (language == u"en")
        arguments.append(u"-pluralonly"_s);
    QProcess lupdate;
    lupdate.start(QStringLiteral(ROSTERMERE_LUPDATE),
                  arguments +
                      QStringList{QStringLiteral(ROSTERMERE_SOURCE_DIR "/src"), u"-ts"_s, file});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return {u"lupdate failed: "_s + QString::fromLocal8Bit(lupdate.readAllStandardError())};
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly))
        return {u"unreadable"_s};
    QStringList problems;
    QXmlStreamReader xml(&ts);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool unfinished = !xml.attributes().value(u"type"_s).isEmpty();
            QStringList forms;
            if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
                forms.append(xml.text().toString() + xml.readElementText());
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == u"translation")) {
                if (xml.readNext() == QXmlStreamReader::StartElement &&
                    xml.name() == u"numerusform")
                    forms.append(xml.readElementText());
            }
            const bool empty = forms.isEmpty() || forms.contains(QString());
            if (unfinished || empty)
                problems.append(u"untranslated: "_s + source);
            for (const QString &form : std::as_const(forms))
                if (!empty && placeholders(form) != placeholders(source))
                    problems.append(u"placeholders differ: "_s + source + u" -> "_s + form);
        }
    }
    if (xml.hasError())
        problems.append(xml.errorString());
    return problems;
}

} // namespace

class Translations : public GuiTest
{
protected:
    void TearDown() override
    {
        installTranslations(QLocale());
        GuiTest::TearDown();
    }
};

// Every text of the sources has its German and French translation with the placeholders of its
// source, and every plural its English forms: a text added without them fails here.
TEST_F(Translations, EveryTextOfTheSourcesIsTranslated)
{
    for (const char *language : {"de", "fr", "en"}) {
        SCOPED_TRACE(language);
        EXPECT_EQ(untranslated(QLatin1String(language)).join(u'\n'), QString());
    }
}

// The window speaks the language it is started in: the designed captions and the status line
// in German or French, and English, plurals included, under the C locale.
TEST_F(Translations, TheWindowSpeaksTheUsersLanguage)
{
    writeFile(u"rfarm.txt"_s, "101,Grub,Weak,C,Mire,10\r\n102,Hob,Standard,C,Mire,25\r\n");
    writeFile(u"current-runeforge.txt"_s, {});
    for (const QLocale &locale : {QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::French, QLocale::France), QLocale::c()}) {
        SCOPED_TRACE(locale.name().toStdString());
        installTranslations(locale);
        const bool english = locale == QLocale::c();
        start(true);
        const QString saveArmy = find<QAction>(main.get(), "mnuSaveArmy")->text();
        EXPECT_EQ(saveArmy, QCoreApplication::translate("frmMain", "Save Army"));
        EXPECT_EQ(saveArmy == u"Save Army"_s, english);
        for (int figure = 0; figure < 2; ++figure)
            main->document().countFigure(WhichTally::Collection, 0, Step::Add);
        find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Mine"_s);
        trigger("mnuSaveCollection");
        const QString saved = main->statusLine();
        EXPECT_EQ(saved.startsWith(u"Saved the collection \"Mine\" to \"Mine.sav\": "_s), english)
            << saved.toStdString();
        EXPECT_EQ(saved.endsWith(u": 2 figures, 20 points."_s), english) << saved.toStdString();
        EXPECT_TRUE(saved.contains(u'2') && saved.contains(u"20"_s));
        EXPECT_EQ(figures(1),
                  QCoreApplication::translate("StatusReport", "%n figure(s)", nullptr, 1));
        EXPECT_EQ(figures(1) == u"1 figure"_s, english);
    }
}
