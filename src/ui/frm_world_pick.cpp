// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_world_pick.h"

#include "document/session_keeper.h"

#include "accessibility.h"
#include "frm_main.h"
#include "messages.h"
#include "twips.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

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
    // Messages at start-up centre on the main window, which has to stand where it will show;
    // a second window in the folder stands off the first, so that both can be seen.
    const int others = m_main.keeper().otherSessions();
    placeWindows(QPoint(32, 32) * std::min(others, 8));
    loadUnitsAndShowMain();
    // Once the catalogue is there, what earlier sessions here left unsaved can be put back.
    m_main.offerLeftSessions();
    if (others > 0)
        m_main.sayToo(tr("This folder is open in another Rostermere window too; each window "
                         "saves what it counts."));
}

void frmWorldPick::placeWindows(QPoint offset)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    // The frames are not known before the windows show; this leaves room for a usual one.
    const QMargins frame(8, 32, 8, 8);
    const QRect main = QRect(QPoint(), m_main.size()).marginsAdded(frame);
    const QRect self = QRect(QPoint(), size()).marginsAdded(frame);
    constexpr int Gap = 16;
    const int width = main.width() + Gap + self.width();
    QPoint mainAt, selfAt;
    if (width <= room.width()) {
        mainAt = QPoint(room.left() + (room.width() - width) / 2,
                        room.top() + std::max(0, (room.height() - main.height()) / 3));
        selfAt = mainAt + QPoint(main.width() + Gap, 0);
    } else {
        mainAt = room.topLeft();
        selfAt =
            QPoint(std::max(room.left(), room.right() + 1 - self.width()),
                   std::max(room.top() + main.height() / 2, room.bottom() + 1 - self.height()));
    }
    m_main.move(mainAt + offset);
    move(selfAt + offset);
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
