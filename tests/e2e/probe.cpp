// Drives the real main window in a process of its own and prints what it shows, so that tests
// can run it under a given environment (a locale, a printer setup):
//   probe count   counts two figures into the army and prints the army's labels and counts
//   probe print   prints the collection on the default printer and prints any message
#include "ui/frm_main.h"
#include "ui/messages.h"
#include "ui/mod_globals.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <clocale>
#include <cstdio>

namespace {

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

void doubleClickRow(QListView *view, int row)
{
    const QPoint at = view->visualRect(view->model()->index(row, view->modelColumn())).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    // What the C library made of the environment once the application set it up.
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.1f", 3.5);
    out << "c_numeric=" << std::setlocale(LC_NUMERIC, nullptr) << '\n';
    out << "c_printf=" << printed << '\n';

    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        qFatal("no working folder");
    writeFile(QStringLiteral("rfarm.txt"), "1,Grub,Weak,C,Mire,45\r\n2,Hob,Standard,C,Mire,10\r\n");
    writeFile(QStringLiteral("current-runeforge.txt"), "\"Grub (W)\",3.5\r\n\"Hob (S)\",0.25\r\n");
    Messages::setHandler([&out](QWidget *, const Messages::Message &message) {
        out << "message=" << message.text << '\n';
    });

    modGlobals globals;
    frmMain main(globals);
    main.LoadUnits();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        qFatal("main window not shown");
    QTest::mouseClick(main.findChild<QRadioButton *>(QStringLiteral("optArmy")), Qt::LeftButton);
    auto *units = main.findChild<QListView *>(QStringLiteral("lstUnits"));
    if (argc > 1 && qstrcmp(argv[1], "print") == 0) {
        doubleClickRow(units, 0);
        main.findChild<QAction *>(QStringLiteral("mnuPrintCollectionToPrinter"))->trigger();
        out << "selected=" << main.selectedRow() << '\n';
        return 0;
    }

    doubleClickRow(units, 0);
    out << "first_price=" << main.findChild<QLabel *>(QStringLiteral("lblArmyPrice"))->text()
        << '\n';
    doubleClickRow(units, 1);

    for (const char *label : {"lblArmyNumber", "lblArmyValue", "lblArmyPrice"})
        out << label << '=' << main.findChild<QLabel *>(QLatin1String(label))->text() << '\n';
    out << "counts=" << globals.army.counts.join(u'|') << '\n';
    return 0;
}
