#include "messages.h"

namespace Messages {

namespace {

Handler &installed()
{
    static Handler handler;
    return handler;
}

} // namespace

void show(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    if (installed()) {
        installed()(parent, Message{icon, text});
        return;
    }
    QMessageBox box(icon, QStringLiteral("Rostermere"), text, QMessageBox::Ok, parent);
    box.exec();
}

Handler setHandler(Handler handler)
{
    Handler previous = std::move(installed());
    installed() = std::move(handler);
    return previous;
}

} // namespace Messages
