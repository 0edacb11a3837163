// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include <functional>

class QAbstractItemView;
class QAction;

// What assistive technology reads where a control's caption does not say what it is, and the
// keyboard's way to what a double-click does.

// A label that shows a value: its accessible name says what the value is, and assistive
// technology reads the value it shows as its description.
class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    ValueLabel(const QString &text, QWidget *parent);
};

// Tells assistive technology that what `widget` says has changed, so that it is read out as it
// appears.
void announceChange(QWidget *widget);

// Gives a menu bar item a spoken name of its own where its caption is only decoration.
void nameMenuItem(QAction *action, const QString &name);

// Enter in `list` does `choose`, as a double-click on its current entry does.
void chooseOnEnter(QAbstractItemView *list, const std::function<void()> &choose);
