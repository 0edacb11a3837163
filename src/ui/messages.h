// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message the program shows goes through here, so that tests can read and answer them
// instead of facing a modal box.
namespace Messages {

struct Message
{
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString text;
};

using Handler = std::function<void(QWidget *parent, const Message &message)>;

// Shows a message box with the program's name as its title, or hands it to the installed handler.
void show(QWidget *parent, QMessageBox::Icon icon, const QString &text);

inline void warn(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Warning, text);
}

// Asks `text` with the buttons `yes` and Cancel, Cancel the default; true when `yes` was chosen.
// With a handler installed the handler is shown the question, and the answer is setAnswer's.
bool ask(QWidget *parent, const QString &text, const QString &yes);
// Offers `text` with the buttons `yes`, the default, and `no`; Escape chooses `yes` too, for a
// question whose `yes` loses nothing. True when `yes` was chosen; answered as ask is.
bool offer(QWidget *parent, const QString &text, const QString &yes, const QString &no);
void setAnswer(bool yes);

// Installs a handler for all messages (an empty one restores the message box); returns the old one.
Handler setHandler(Handler handler);

} // namespace Messages
