#include "frm_world_pick.h"

#include "accessibility.h"
#include "frm_main.h"
#include "messages.h"
#include "twips.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

frmWorldPick::frmWorldPick(frmMain &main, QWidget *parent) : QWidget(parent), m_main(main)
{
    setObjectName(QStringLiteral("frmWorldPick"));
    setWindowTitle(QStringLiteral("Rostermere .10"));
    setWindowIcon(main.windowIcon());
    setFixedSize(sizeFromTwips(5940, 4095));
    setFont(designFont(font()));

    auto *label1 = new QLabel(tr("Please pick a ruleset"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(fromTwips(1080, 120, 3495, 495));
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    filWorld = new QListWidget(this);
    filWorld->setObjectName(QStringLiteral("filWorld"));
    filWorld->setGeometry(fromTwips(960, 1200, 3495, 1785));
    filWorld->setToolTip(tr("Double click on the rules you want to choose."));
    filWorld->setSelectionMode(QAbstractItemView::SingleSelection);
    filWorld->setAccessibleName(tr("Rulesets"));
    connect(filWorld, &QListWidget::itemDoubleClicked, this, &frmWorldPick::filWorld_DblClick);
    chooseOnEnter(filWorld, [this] { filWorld_DblClick(filWorld->currentItem()); });

    txtX = new QLineEdit(QStringLiteral("Text1"), this);
    txtX->setObjectName(QStringLiteral("txtX"));
    txtX->setGeometry(fromTwips(1080, 3480, 1695, 285));
    txtX->setAccessibleName(tr("Current folder"));

    setTabOrder(filWorld, txtX);
}

void frmWorldPick::Form_Load()
{
    txtX->setText(QDir::toNativeSeparators(QDir::currentPath()));
    listRulesets();
    loadUnitsAndShowMain();
    // Once the catalogue is there, what earlier sessions here left unsaved can be put back.
    m_main.offerLeftSessions();
}

void frmWorldPick::listRulesets()
{
    filWorld->clear();
    const QDir here = QDir::current();
    filWorld->addItems(here.entryList({QStringLiteral("*.arm")}, QDir::Files, QDir::Name));
}

void frmWorldPick::filWorld_DblClick(QListWidgetItem *item)
{
    // Every ruleset reads the same catalogue; the entry only says that the user chose.
    if (item == nullptr)
        return;
    loadUnitsAndShowMain();
}

void frmWorldPick::loadUnitsAndShowMain()
{
    const QString problems = m_main.LoadUnits();
    hide();
    m_main.show();
    if (!problems.isEmpty())
        Messages::warn(&m_main, problems);
}
