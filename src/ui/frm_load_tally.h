// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The modal window that lists the current folder's tally files for a load. It lists the folder
// afresh each time it is made, so a file saved a moment ago is there.
class TallyPicker : public QDialog
{
    Q_OBJECT

public:
    // The name a double-click picked, without its ".sav"; valid once exec() has accepted.
    QString pickedName() const { return m_pickedName; }

protected:
    TallyPicker(const char *objectName, const QString &caption, const QString &none,
                QWidget *parent);

private:
    void filLoadChar_DblClick(QListWidgetItem *item);
    void cmdOoops_Click();

    QListWidget *filLoadChar = nullptr;
    QPushButton *cmdOoops = nullptr;
    QString m_pickedName;
};

class frmLoadArmy : public TallyPicker
{
    Q_OBJECT

public:
    explicit frmLoadArmy(QWidget *parent = nullptr);
};

class frmLoadCollection : public TallyPicker
{
    Q_OBJECT

public:
    explicit frmLoadCollection(QWidget *parent = nullptr);
};
