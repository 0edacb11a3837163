#include "common/output_file.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests fill the disk with a file-size limit, as the program meets a full one.
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    // Windows the tests close must not end the test run.
    QApplication::setQuitOnLastWindowClosed(false);
    // Pinned, but for the child runs that check the program under the locale they were given.
    if (!qEnvironmentVariableIsSet("ROSTERMERE_CHILD"))
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
