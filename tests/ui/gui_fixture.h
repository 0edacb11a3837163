#pragma once

#include "qt_printers.h"
#include "ui/frm_main.h"
#include "ui/frm_world_pick.h"
#include "ui/messages.h"
#include "ui/mod_globals.h"

#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A catalogue whose texts tell their row: id "u<row>", name "Unit <row>", strengths cycling
// Weak, Standard, Tough, Unique, rarity "LE" every seventh row, factions "F<row % 5>",
// points row + 1.
QByteArray numberedCatalogue(int units);

// The column lists' names, left to right.
extern const char *const ListNames[8];

QStringList texts(std::initializer_list<const char *> items);

// Runs the disabled test `name` of this test program in a child process with `environment`
// added (and ROSTERMERE_CHILD set); returns what it printed when it failed, else an empty text.
QString failureOfChild(const char *name, const QStringList &environment);

// Runs each test in a fresh working folder of its own, with messages collected instead of shown.
class GuiTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void writeFile(const QString &name, const QByteArray &bytes);
    QByteArray fileBytes(const QString &name) const;

    // Creates the windows and runs the start-up as the program does; `hidePicker` puts the
    // ruleset picker away, as the user does before counting.
    void start(bool hidePicker = false);

    QListView *list(const char *name) const;
    static int topRow(QListView *view); // the first row the list shows
    static QString rowText(QListView *view, int row);
    QStringList column(const char *name) const; // every row text of a list

    // Every list has `selected` as its one selected row (-1: none) and the same top row, and
    // shows the selected row; none of it depends on the font's row height.
    void expectAligned(int selected) const;

    // Scrolls `row` into view and clicks it, as the user would; a double-click is a click
    // followed by the double-click event.
    static void clickRow(QListView *view, int row, Qt::MouseButton button = Qt::LeftButton);
    static void doubleClickRow(QListView *view, int row);

    // The entries of a file list, and a double-click on one of them.
    static QStringList items(QListWidget *files);
    static void doubleClickItem(QListWidget *files, const QString &name);


    void trigger(const char *action) const;
    QString text(const char *control) const;     // a label's, box's, group's or item's caption
    QStringList totals(const char *tally) const; // "Army" or "Collection": figures, points, money

    // Runs the event loop with `action` queued and returns the exit code, or 2 when nothing
    // ended the loop within five seconds.
    static int execWith(const std::function<void()> &action);

    template <typename T> T *find(QWidget *window, const char *name) const
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
