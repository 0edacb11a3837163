#pragma once

#include <QLabel>

class QAction;

// What assistive technology reads where a control's caption does not say what it is.

// A label that shows a value: its accessible name says what the value is, and assistive
// technology reads the value it shows as its description.
class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    ValueLabel(const QString &text, QWidget *parent);
};

// Gives a menu bar item a spoken name of its own where its caption is only decoration.
void nameMenuItem(QAction *action, const QString &name);
