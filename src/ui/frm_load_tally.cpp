// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_load_tally.h"

#include "accessibility.h"
#include "twips.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

TallyPicker::TallyPicker(const char *objectName, const QString &caption, const QString &none,
                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(sizeFromTwips(3555, 3195));
    setFont(designFont(font()));

    filLoadChar = new QListWidget(this);
    filLoadChar->setObjectName(QStringLiteral("filLoadChar"));
    filLoadChar->setGeometry(fromTwips(360, 240, 2655, 2175));
    filLoadChar->setSelectionMode(QAbstractItemView::SingleSelection);
    // Saving always writes a lower-case ".sav"; an empty name box saves the hidden ".sav".
    filLoadChar->addItems(QDir::current().entryList(
        {QStringLiteral("*.sav")}, QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name));
    filLoadChar->setAccessibleName(tr("Saved tally files"));
    // An empty list says why it is empty; the entry that says so can't be chosen.
    if (filLoadChar->count() == 0) {
        auto *empty = new QListWidgetItem(none, filLoadChar);
        empty->setFlags(Qt::NoItemFlags);
    }
    connect(filLoadChar, &QListWidget::itemDoubleClicked, this, &TallyPicker::filLoadChar_DblClick);
    chooseOnEnter(filLoadChar, [this] { filLoadChar_DblClick(filLoadChar->currentItem()); });

    cmdOoops = new QPushButton(tr("Oops, don't load"), this);
    cmdOoops->setObjectName(QStringLiteral("cmdOoops"));
    cmdOoops->setGeometry(fromTwips(360, 2640, 2535, 375));
    cmdOoops->setAutoDefault(false);
    connect(cmdOoops, &QPushButton::clicked, this, &TallyPicker::cmdOoops_Click);

    setTabOrder(filLoadChar, cmdOoops);
}

void TallyPicker::filLoadChar_DblClick(QListWidgetItem *item)
{
    if (item == nullptr || !(item->flags() & Qt::ItemIsEnabled))
        return;
    m_pickedName = item->text().chopped(4);
    accept();
}

void TallyPicker::cmdOoops_Click()
{
    reject();
}

frmLoadArmy::frmLoadArmy(QWidget *parent)
    : TallyPicker("frmLoadArmy", QStringLiteral("Pick an Army  to load please"),
                  tr("No saved armies in this folder"), parent)
{}

frmLoadCollection::frmLoadCollection(QWidget *parent)
    : TallyPicker("frmLoadCollection", QStringLiteral("Pick a collection to load please"),
                  tr("No saved collections in this folder"), parent)
{}
