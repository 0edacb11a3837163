// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QMainWindow;

// The main window's foot: a line saying what the last command did, the bar's whole width, so
// that the line can be read at the designed size. The window grows by the bar's height, so the
// designed controls keep their places and sizes.
class StatusReport : public QObject
{
    Q_OBJECT

public:
    explicit StatusReport(QMainWindow *window);

    // Shows `line` until the next command says something; an empty line clears it.
    void say(const QString &line);
    QString line() const;
    // Adds a sentence to what the line says.
    void sayToo(const QString &sentence);
    // What stays true whatever the line says (counts the tallies keep for units the catalogue
    // lacks), added to the line's tooltip.
    void setNote(const QString &note);

private:
    void showTip();

    QLabel *m_line;
    QString m_note;
};

// "1 figure", "12 figures": the counted nouns the status lines use.
QString figures(qint64 count);
QString units(qint64 count);
