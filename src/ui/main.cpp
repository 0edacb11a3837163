#include "frm_main.h"
#include "frm_world_pick.h"
#include "mod_globals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rostermere"));
    QApplication::setApplicationVersion(QStringLiteral(".10"));

    modGlobals globals;
    frmMain main(globals);
    frmWorldPick picker(main);
    picker.Form_Load();
    // The picker opens in front of the filled main window, leaving the columns in sight.
    picker.move(main.frameGeometry().topRight() + QPoint(-picker.width() / 3, 60));
    picker.show();
    return app.exec();
}
