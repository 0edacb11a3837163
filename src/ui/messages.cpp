// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <QPushButton>

namespace Messages {

namespace {

Handler &installed()
{
    static Handler handler;
    return handler;
}

bool &answer()
{
    static bool yes = false;
    return yes;
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

bool ask(QWidget *parent, const QString &text, const QString &yes)
{
    if (installed()) {
        installed()(parent, Message{QMessageBox::Question, text});
        return answer();
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Rostermere"), text,
                    QMessageBox::NoButton, parent);
    const QAbstractButton *chosen = box.addButton(yes, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == chosen;
}

bool offer(QWidget *parent, const QString &text, const QString &yes, const QString &no)
{
    if (installed()) {
        installed()(parent, Message{QMessageBox::Question, text});
        return answer();
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Rostermere"), text,
                    QMessageBox::NoButton, parent);
    QPushButton *chosen = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(no, QMessageBox::DestructiveRole);
    box.setDefaultButton(chosen);
    box.setEscapeButton(chosen);
    box.exec();
    return box.clickedButton() == chosen;
}

void setAnswer(bool yes)
{
    answer() = yes;
}

Handler setHandler(Handler handler)
{
    Handler previous = std::move(installed());
    installed() = std::move(handler);
    return previous;
}

} // namespace Messages
