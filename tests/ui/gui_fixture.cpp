// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "ui/translations.h"

#include <QProcess>

QByteArray numberedCatalogue(int units)
{
    static const char *const strengths[] = {"Weak", "Standard", "Tough", "Unique"};
    QByteArray text;
    for (int row = 0; row < units; ++row) {
        const QByteArray n = QByteArray::number(row);
        text += "u" + n + ",Unit " + n + "," + strengths[row % 4] + "," +
                (row % 7 == 0 ? "LE" : "C") + ",F" + QByteArray::number(row % 5) + "," +
                QByteArray::number(row + 1) + "\r\n";
    }
    return text;
}

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *item : items)
        out.append(QString::fromLatin1(item));
    return out;
}

QString failureOfChild(const char *name, const QStringList &environment)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment + QStringList{u"ROSTERMERE_CHILD=1"_s})
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        QCoreApplication::applicationFilePath(),
        {u"--gtest_also_run_disabled_tests"_s, u"--gtest_filter=*."_s + QLatin1String(name)});
    if (!child.waitForFinished(60000))
        return u"the child run did not finish"_s;
    const QString output = QString::fromUtf8(child.readAll());
    return child.exitCode() == 0 && output.contains(u"[  PASSED  ] 1 test"_s) ? QString() : output;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Windows the tests close must not end the test run.
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installTranslations(QLocale());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
