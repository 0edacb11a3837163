#pragma once

#include "qt_printers.h"
#include "ui/frm_main.h"
#include "ui/frm_world_pick.h"
#include "ui/messages.h"
#include "ui/mod_globals.h"

#include <QListView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A catalogue of `units` units whose texts tell their row: id "u<row>", name "Unit <row>",
// strengths cycling through the four classes, factions "F<row % 5>", points row + 1.
QByteArray numberedCatalogue(int units);

// The column lists' names, left to right.
extern const char *const ListNames[8];

// Runs each test in a fresh working folder of its own, with messages collected instead of shown.
class GuiTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void writeFile(const QString &name, const QByteArray &bytes);

    // Creates the windows and runs the start-up as the program does.
    void start();

    QListView *list(const char *name) const;

    // The first row a list shows, as the user sees it.
    static int topRow(QListView *view);

    // The selected row of a list as its own view sees it, or -1.
    static int selectedRow(QListView *view);

    static QString rowText(QListView *view, int row);

    // Scrolls `row` into view and clicks it, as the user would.
    static void clickRow(QListView *view, int row, Qt::MouseButton button = Qt::LeftButton);

    template <typename T>
    T *find(QWidget *window, const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
    Messages::Handler m_previousHandler;
    QList<Messages::Message> messages;

    std::unique_ptr<modGlobals> globals;
    std::unique_ptr<frmMain> main;
    std::unique_ptr<frmWorldPick> picker;
};
