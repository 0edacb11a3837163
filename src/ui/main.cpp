// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/heap_policy.h"
#include "document/mod_globals.h"
#include "document/session_keeper.h"
#include "frm_main.h"
#include "frm_world_pick.h"
#include "termination.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    returnLargeBuffersToTheSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rostermere"));
    QApplication::setApplicationVersion(QStringLiteral(".10"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.rostermere.Rostermere"));
    installTranslations(QLocale());

    // The document goes last: every window and helper that follows it is gone by then.
    TallyDocument document;
    frmMain main(document);
    // A signal to end ends the event loop, and the windows go as on Exit; the recovery copy is
    // brought up to date and a printout under way is sent first, whatever the program is doing.
    Termination termination([&main] { main.prepareToEnd(); });
    // At a logout the copy is made current before the desktop may end the program.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &main.keeper(),
                     &SessionKeeper::flush);
    frmWorldPick picker(main);
    picker.Form_Load();
    picker.show();
    const int code = QApplication::exec();
    // The end in a set order, as Exit and a signal end alike: the copy made current and a
    // printout under way sent, then the windows go, and the document they showed last.
    main.prepareToEnd();
    return code;
}
