// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "ui/accessibility.h"

#include <QAccessible>
#include <QDebug>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>

namespace {

// The order in which Tab visits the named controls, starting at the first of them.
QStringList focusOrder(QWidget *window, const QStringList &names)
{
    QStringList chain;
    QWidget *widget = window->findChild<QWidget *>(names.front());
    for (int step = 0; step < 200 && chain.size() < names.size(); ++step) {
        if (names.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    }
    return chain;
}

// The items' names in order, a submenu's as "name[title: its items]".
QString menuTree(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *action : actions)
        names.append(action->menu() == nullptr
                         ? action->objectName()
                         : u"%1[%2: %3]"_s.arg(action->menu()->objectName(),
                                               action->menu()->title(),
                                               menuTree(action->menu()->actions())));
    return names.join(u' ');
}

// "object<tab>name" of every control under `node` whose object name marks it as one that holds
// or shows data or commands; checks that each child knows its parent on the way.
void accessibleNames(QAccessibleInterface *node, QStringList &lines)
{
    const QString object = node->object() != nullptr ? node->object()->objectName() : QString();
    if (QRegularExpression(u"^(lst|txt|lbl|opt|mnu|fil|cbo)"_s).match(object).hasMatch() &&
        node->role() != QAccessible::PopupMenu)
        lines.append(object + u'\t' + node->text(QAccessible::Name));
    for (int i = 0; node->role() != QAccessible::List && i < node->childCount(); ++i) {
        EXPECT_EQ(node->child(i)->parent(), node) << object.toStdString() << " child " << i;
        accessibleNames(node->child(i), lines);
    }
}

// Every shown control of the window as "name place", checking that each lies wholly inside its
// parent. A caption's size is left out: it widens to its text, whose width the font's hinting
// changes from one scale to another. So does the status bar's, whose parts it lays out by their
// texts: only its place is reported.
QStringList layoutReport(QWidget *window)
{
    QStringList lines;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"_s) || !control->isVisible() ||
            qobject_cast<QStatusBar *>(control->parentWidget()) != nullptr)
            continue;
        QRect place = control->geometry();
        if (qobject_cast<QLabel *>(control) == nullptr) {
            EXPECT_TRUE(control->parentWidget()->rect().contains(place)) << name.toStdString();
        }
        if (qobject_cast<QStatusBar *>(control) != nullptr ||
            (qobject_cast<QLabel *>(control) != nullptr &&
             qobject_cast<ValueLabel *>(control) == nullptr))
            place.setSize({});
        QDebug(&lines.emplace_back()) << name << place;
    }
    lines.sort();
    return lines;
}

} // namespace

TEST_F(GuiTest, AtTwiceTheScaleEveryControlIsWholeAndWhereItIsAtTheDesignedScale)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(20));
    start();
    const QString report = (layoutReport(main.get()) + layoutReport(picker.get())).join(u'\n');
    // The screenshot and the icon have as many pixels as the screen's scale gives them.
    const qreal scale = main->devicePixelRatioF();
    EXPECT_EQ(main->grab().size(), main->size() * scale);
    EXPECT_EQ(main->windowIcon().pixmap(QSize(128, 128), scale).size(), QSize(128, 128) * scale);
    if (qEnvironmentVariableIsSet("ROSTERMERE_CHILD")) {
        EXPECT_EQ(scale, 2.0);
        EXPECT_EQ(report, qEnvironmentVariable("ROSTERMERE_LAYOUT"));
        return;
    }
    EXPECT_EQ(failureOfChild("AtTwiceTheScaleEveryControlIsWholeAndWhereItIsAtTheDesignedScale",
                             {u"QT_SCALE_FACTOR=2"_s, u"ROSTERMERE_LAYOUT="_s + report}),
              QString());
}

TEST_F(GuiTest, WindowsShowTheirDesignedCaptionsPlacesMenusAndTabOrder)
{
    start();
    EXPECT_EQ(main->windowTitle(), u"RF Collection Tracking Thing"_s);
    // Every control's and menu item's designed caption, one "name<tab>caption" per line.
    QFile captions(QStringLiteral(ROSTERMERE_TEST_DATA "/ui/captions.txt"));
    ASSERT_TRUE(captions.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QString &line :
         QString::fromUtf8(captions.readAll()).split(u'\n', Qt::SkipEmptyParts))
        EXPECT_EQ(text(line.section(u'\t', 0, 0).toLatin1().constData()), line.section(u'\t', 1))
            << line.toStdString();
    EXPECT_EQ(totals("Collection"), texts({"0", "0", "0"}));
    EXPECT_EQ(totals("Army"), texts({"0", "0", "0"}));
    EXPECT_EQ(find<QLabel>(main.get(), "Label9")->toolTip(),
              u"Tae this with a large grain of salt. The data for any figures (the commons) is "
              u"very sparse."_s);
    EXPECT_TRUE(find<QRadioButton>(main.get(), "optCollection")->isChecked());
    EXPECT_FALSE(find<QRadioButton>(main.get(), "optArmy")->isChecked());

    // The designed items in their places; below a separator, the print menu ends with the
    // preview and PDF, the army menu with planning armies and CSV files.
    EXPECT_EQ(menuTree(main->menuBar()->actions()),
              u"mnuLoadCollection mnuSaveCollection mnuPrintCollection[Print Collection: "
              u"mnuPrintCollectionToFile mnuPrintCollectionHtml mnuPrintCollectionToPrinter  "
              u"actPrintPreview actSavePdf] mnuBlank[-----------------: mnuAddArmyCollection "
              u"mnuIncludeSummary  actPlanArmies actExportCsv actImportCsv] mnuLoadArmy "
              u"mnuSaveArmy mnuPrintArmyToTextFile mnuExit"_s);
    // The summary item is a check item that starts unchecked and flips on each choice.
    auto *summary = main->findChild<QAction *>(u"mnuIncludeSummary"_s);
    EXPECT_TRUE(summary->isCheckable());
    for (const bool checked : {false, true, false}) {
        EXPECT_EQ(summary->isChecked(), checked);
        summary->trigger();
    }

    // Places in pixels of the designed twips: the eight lists share their top and height.
    const int lefts[8] = {8, 64, 240, 320, 456, 496, 544, 592};
    const int widths[8] = {57, 177, 81, 137, 41, 49, 49, 49};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(list(ListNames[column])->geometry(), QRect(lefts[column], 56, widths[column], 80))
            << ListNames[column];
    EXPECT_EQ(main->centralWidget()->size(), QSize(645, 348));

    const QStringList tabOrder =
        u"lstUnits lstUnitId lstStr lstFaction lstPointValue lstRarity lstCollection lstArmy "
        u"optCollection optArmy txtCollectionName txtArmyName"_s.split(u' ');
    EXPECT_EQ(focusOrder(main.get(), tabOrder), tabOrder);

    EXPECT_EQ(picker->windowTitle(), u"Rostermere .10"_s);
    EXPECT_EQ(picker->size(), QSize(396, 273));
    EXPECT_EQ(find<QLabel>(picker.get(), "Label1")->text(), u"Please pick a ruleset"_s);
    EXPECT_EQ(find<QListWidget>(picker.get(), "filWorld")->toolTip(),
              u"Double click on the rules you want to choose."_s);
    EXPECT_EQ(focusOrder(picker.get(), {u"filWorld"_s, u"txtX"_s}), texts({"filWorld", "txtX"}));
}

TEST_F(GuiTest, AssistiveTechnologyFindsEveryControlByNameAndTheKeyboardCounts)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(3));
    writeFile(u"Grand.arm"_s, "x");
    start();
    writeFile(u"damaged.sav"_s, "x");
    QStringList names;
    for (QWidget *window : std::initializer_list<QWidget *>{main.get(), picker.get()})
        accessibleNames(QAccessible::queryAccessibleInterface(window), names);
    // The tally picker's list too, where Enter loads the current file as a double-click does.
    EXPECT_TRUE(answerModal("mnuLoadArmy", [&names](QDialog *dialog) {
        accessibleNames(QAccessible::queryAccessibleInterface(dialog), names);
        auto *files = find<QListWidget>(dialog, "filLoadChar");
        files->setCurrentRow(0);
        QTest::keyClick(files, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
    }));
    EXPECT_TRUE(messages.back().text.contains(u"damaged"_s)) << messages.back().text.toStdString();
    names.sort();
    QFile expected(QStringLiteral(ROSTERMERE_TEST_DATA "/ui/accessible-names.txt"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(names, QString::fromUtf8(expected.readAll()).split(u'\n', Qt::SkipEmptyParts));

    // Enter chooses a ruleset and counts a figure as a double-click does; Space picks the tally.
    auto *rulesets = find<QListWidget>(picker.get(), "filWorld");
    rulesets->setCurrentRow(0);
    QTest::keyClick(rulesets, Qt::Key_Return);
    EXPECT_FALSE(picker->isVisible());
    QTest::keyClick(list("lstUnits"), Qt::Key_Down);
    QTest::keyClick(list("lstUnits"), Qt::Key_Return);
    QTest::keyClick(find<QRadioButton>(main.get(), "optArmy"), Qt::Key_Space);
    for (const char *name : {"lstUnitId", "lstUnitId", "lstArmy"})
        QTest::keyClick(list(name), Qt::Key_Enter);
    EXPECT_EQ(shown("Collection") + u' ' + shown("Army"), u"1 0 0 | 1 1 0 1 0 0 | 1 1 0"_s);
    // Alt takes the keyboard to the menu bar.
    QTest::keyClick(list("lstArmy"), Qt::Key_Alt);
    EXPECT_EQ(main->menuBar()->activeAction(), find<QAction>(main.get(), "mnuLoadCollection"));
    QAccessibleInterface *value =
        QAccessible::queryAccessibleInterface(find<QLabel>(main.get(), "lblArmyValue"));
    EXPECT_EQ(value->text(QAccessible::Description), text("lblArmyValue"));
}

TEST_F(GuiTest, AGrownWindowShowsMoreRowsAndLongerNamesAndShrinksBackToItsDesign)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(300));
    start(true);
    QWidget *client = main->centralWidget();
    auto places = [client] {
        QMap<QString, QRect> rects;
        for (QWidget *control : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            rects.insert(control->objectName(), control->geometry());
        return rects;
    };
    const QMap<QString, QRect> designed = places();
    const QSize designedSize = main->size();
    // The lists scroll by rows: a page is the number of rows shown.
    auto rowsShown = [this] { return list("lstUnits")->verticalScrollBar()->pageStep(); };
    const int designedRows = rowsShown();
    main->selectRow(290);

    // r: moves right with the window's right edge, b: down with its bottom edge, w and h: grows
    // in width and height; any other control stays where it was designed.
    const QStringList growth =
        u"Label2:w lstUnits:wh lstUnitId:h Label4:r Label3:r Label5:r Label6:r Label7:r Label8:r "
        u"lstStr:rh lstFaction:rh lstRarity:rh lstPointValue:rh lstCollection:rh lstArmy:rh "
        u"Frame1:b Frame2:b Frame3:b frmPrice:rb"_s.split(u' ');
    const int dx = 300, dy = 200;
    main->resize(designedSize + QSize(dx, dy));
    QCoreApplication::processEvents();
    EXPECT_EQ(client->size(), QSize(645 + dx, 348 + dy));
    for (auto [name, place] : designed.asKeyValueRange()) {
        QRect rect = place;
        const QString edges =
            growth.filter(QRegularExpression(u"^"_s + name + u":"_s)).join(u"").section(u':', 1);
        rect.translate(edges.contains(u'r') ? dx : 0, edges.contains(u'b') ? dy : 0);
        rect.setSize(rect.size() +
                     QSize(edges.contains(u'w') ? dx : 0, edges.contains(u'h') ? dy : 0));
        EXPECT_EQ(client->findChild<QWidget *>(name)->geometry(), rect) << name.toStdString();
    }
    // Controls apart in the design stay apart (the lists' borders meet as designed).
    const QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *one : controls)
        for (QWidget *other : controls)
            EXPECT_TRUE(designed[one->objectName()].intersects(designed[other->objectName()]) ||
                        !one->geometry().intersects(other->geometry()))
                << one->objectName().toStdString() << " overlaps "
                << other->objectName().toStdString();
    EXPECT_GT(rowsShown(), designedRows + 10);
    expectAligned(290);

    // Shrinking stops at the designed size.
    main->resize(QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(main->size(), designedSize);
    EXPECT_EQ(places(), designed);
    EXPECT_EQ(rowsShown(), designedRows);
    expectAligned(290, true);

    // The scroll range ends with the last row as the last whole row shown; a page down moves
    // the selection by the rows shown.
    QListView *names = list("lstUnits");
    names->verticalScrollBar()->setValue(names->verticalScrollBar()->maximum());
    const QRect last = names->visualRect(names->model()->index(299, 1));
    const int height = names->viewport()->height();
    EXPECT_TRUE(last.top() >= 0 && last.bottom() < height &&
                last.bottom() + last.height() >= height)
        << last.top() << ".." << last.bottom() << " of " << height;
    main->selectRow(0);
    QTest::keyClick(names, Qt::Key_PageDown);
    EXPECT_EQ(main->selectedRow(), designedRows);
}

TEST_F(GuiTest, StartUpAndRulesetDoubleClickFillEveryColumnWithOneRowPerUnit)
{
    writeFile(u"rfarm.txt"_s, numberedCatalogue(12) + "12,S\xe9raphine \x80,Weak,C,Ch\xf6ir,5\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Unit 1 (S)\",2.50\n\"S\xe9raphine \x80 (W)\",1\r\n");
    for (const QString &name :
         {u"Skirmish.arm"_s, u"Grand.arm"_s, u"notes.txt"_s, u"old.arm.bak"_s, u"Loud.ARM"_s})
        writeFile(name, "x");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.arm"_s));
    start();
    EXPECT_TRUE(main->isVisible() && picker->isVisible() && messages.isEmpty());
    auto *rulesets = find<QListWidget>(picker.get(), "filWorld");
    EXPECT_EQ(items(rulesets), texts({"Grand.arm", "Loud.ARM", "Skirmish.arm"}));
    EXPECT_EQ(text("txtX"), QDir::toNativeSeparators(QDir::currentPath()));
    const char *const row5[] = {"u5", "Unit 5", "Standard", "F0", "C", "6", "0", "0"};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(list(ListNames[c])->model()->rowCount(), 13) << ListNames[c];
        EXPECT_EQ(rowText(list(ListNames[c]), 5), QLatin1String(row5[c])) << ListNames[c];
    }
    EXPECT_EQ(rowText(list("lstUnits"), 12) + rowText(list("lstFaction"), 12),
              u"S\u00e9raphine \u20acCh\u00f6ir"_s);
    for (const auto &[row, column] : {std::pair{13, 0}, {0, 8}, {-1, 0}, {0, -1}})
        EXPECT_FALSE(main->model()->index(row, column).isValid()) << row << "," << column;
    EXPECT_EQ(globals->catalogue.UnitPrice.toList().mid(0, 3), (QStringList{{}, u"2.50"_s, {}}));
    EXPECT_EQ(globals->catalogue.UnitPrice.value(12), u"1"_s);

    // A unit of no known strength is priced by an empty guide name.
    writeFile(u"rfarm.txt"_s, numberedCatalogue(6) + "u6,Odd,Giant,C,F,1\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Unit 5 (S)\",9\n\"\",4\n");
    doubleClickItem(rulesets, u"Grand.arm"_s);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(column("lstUnitId"), texts({"u0", "u1", "u2", "u3", "u4", "u5", "u6"}));
    EXPECT_EQ(globals->catalogue.UnitPrice, (QStringList{{}, {}, {}, {}, {}, u"9"_s, u"4"_s}));

    // A reload tells the lists that every text changed, and resets them only when the number
    // of units changed; either way no unit stays selected.
    for (const int units : {7, 7, 8}) {
        main->selectRow(2);
        writeFile(u"rfarm.txt"_s, numberedCatalogue(units).replace("Unit", "Item"));
        QSignalSpy changed(main->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(main->model(), &QAbstractItemModel::modelReset);
        EXPECT_EQ(main->LoadUnits(), QString());
        EXPECT_EQ(rowText(list("lstUnits"), 6), u"Item 6"_s);
        EXPECT_EQ(reset.size(), units == 8 ? 1 : 0);
        ASSERT_EQ(changed.size(), units == 8 ? 0 : 1);
        if (units == 7) {
            EXPECT_EQ(changed.front().at(0).toModelIndex(), main->model()->index(0, 0));
            EXPECT_EQ(changed.front().at(1).toModelIndex(), main->model()->index(6, 7));
        }
        expectAligned(-1);
    }

    // Closing the main window while the picker is hidden ends the program.
    QGuiApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(execWith([this] { main->close(); }), 0);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}
