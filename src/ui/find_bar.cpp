// SPDX-License-Identifier: GPL-3.0-or-later
#include "find_bar.h"

#include "accessibility.h"
#include "document/tally_document.h"
#include "linked_columns.h"
#include "shown_units.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QShortcut>

FindBar::FindBar(QMainWindow *window, LinkedColumns *columns, TallyDocument *document)
    : QToolBar(window), m_window(window), m_columns(columns), m_document(document),
      txtFind(new QLineEdit(this)), lblFindStatus(new ValueLabel(QString(), this)),
      cboShow(new QComboBox(this)), lblShown(new ValueLabel(QString(), this))
{
    setObjectName(QStringLiteral("findBar"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setVisible(false);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setAccessibleName(tr("Find a unit by any part of its ID, name or faction"));
    txtFind->setClearButtonEnabled(true);
    txtFind->setPlaceholderText(tr("ID, name or faction"));
    lblFindStatus->setObjectName(QStringLiteral("lblFindStatus"));
    lblFindStatus->setAccessibleName(tr("Units found"));
    lblFindStatus->setMinimumWidth(fontMetrics().horizontalAdvance(tr("No unit matches")) + 12);
    cboShow->setObjectName(QStringLiteral("cboShow"));
    cboShow->setAccessibleName(tr("Show"));
    cboShow->addItems(choiceNames());
    // As wide as the choices about one army; the longer ones about the plan are whole in the
    // list and cut short in the box, so that the bar keeps every control in sight at the
    // designed width.
    cboShow->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboShow->setMinimumContentsLength(int(tr("Lacking for the army").size()));
    addWidget(txtFind);
    addWidget(lblFindStatus);
    addSeparator();
    // Linux assistive technology names a choice box by its label, and reads its choice.
    auto *showLabel = new QLabel(tr("&Show:"), this);
    showLabel->setBuddy(cboShow);
    addWidget(showLabel);
    addWidget(cboShow);
    lblShown->setObjectName(QStringLiteral("lblShown"));
    lblShown->setAccessibleName(tr("Units shown"));
    // The summary takes the room the box does not need, and gives it up before any control
    // of the bar would be pushed out of sight; its tooltip says it whole.
    lblShown->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    lblShown->setMinimumWidth(fontMetrics().averageCharWidth() * 4);
    lblShown->setIndent(4);
    txtFind->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    txtFind->setMaximumWidth(fontMetrics().horizontalAdvance(txtFind->placeholderText()) +
                             fontMetrics().height() * 2);
    addWidget(lblShown);
    connect(cboShow, &QComboBox::activated, this,
            [this](int index) { Q_EMIT choiceMade(UnitChoice(index)); });
    window->addToolBar(Qt::BottomToolBarArea, this);
    hide();

    connect(txtFind, &QLineEdit::textEdited, this, [this] { find(+1, true); });
    connect(txtFind, &QLineEdit::returnPressed, this, &FindBar::findNext);
    for (QWidget *control : {static_cast<QWidget *>(txtFind), static_cast<QWidget *>(cboShow)}) {
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), control, nullptr, nullptr,
                                     Qt::WidgetShortcut);
        connect(escape, &QShortcut::activated, this, &FindBar::close);
    }
    // The folded texts belong to one catalogue; a reload folds the new one, at once while the
    // box is open and else once it opens.
    connect(document, &TallyDocument::catalogueReplaced, this, [this] {
        m_search.reset();
        if (isVisible())
            m_search.prepare(m_document->data().catalogue);
    });
}

QStringList FindBar::choiceNames()
{
    return {tr("All units"),
            tr("In the collection"),
            tr("In the army"),
            tr("Lacking for the army"),
            tr("Not in the collection"),
            tr("Lacking for the planned armies"),
            tr("Spare")};
}

void FindBar::showChoice(UnitChoice choice)
{
    cboShow->setCurrentIndex(int(choice));
    if (choice != UnitChoice::All && !isVisible())
        resizeWindow(true);
}

void FindBar::showSummary(const QString &text, const QString &whole)
{
    lblShown->setText(text);
    lblShown->setToolTip(whole);
}

void FindBar::open()
{
    // Folded while the user types the first letter.
    m_search.prepare(m_document->data().catalogue);
    showWith(txtFind);
    txtFind->selectAll();
}

void FindBar::openChoice()
{
    showWith(cboShow);
}

void FindBar::showWith(QWidget *control)
{
    if (!isVisible()) {
        QWidget *focus = QApplication::focusWidget();
        m_cameFrom = qobject_cast<QAbstractItemView *>(focus) ? focus : nullptr;
        // The window grows by the bar, so the designed controls keep their places and sizes.
        resizeWindow(true);
    }
    control->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::close()
{
    if (!isVisible())
        return;
    if (UnitChoice(cboShow->currentIndex()) == UnitChoice::All)
        resizeWindow(false);
    if (m_cameFrom != nullptr)
        m_cameFrom->setFocus(Qt::OtherFocusReason);
    else
        m_window->centralWidget()->findChild<QWidget *>(QStringLiteral("lstUnits"))->setFocus();
}

void FindBar::resizeWindow(bool showing)
{
    // The layout may already have grown the window to its new minimum; the size is set from
    // the one before, whatever the layout did.
    const QSize before = m_window->size();
    const int by = showing ? sizeHint().height() : -height();
    setVisible(showing);
    m_window->layout()->activate();
    m_window->resize(before.width(), before.height() + by);
}

void FindBar::find(int direction, bool fromSelected)
{
    QList<int> rows = m_search.matches(m_document->data().catalogue, txtFind->text());
    // Only what the lists show is found.
    const ShownUnits *shown = m_columns->shown();
    if (shown->choice() != UnitChoice::All)
        rows.removeIf([shown](int row) { return shown->shownRow(row) < 0; });
    if (rows.isEmpty()) {
        lblFindStatus->setText(txtFind->text().isEmpty() ? QString() : tr("No unit matches"));
        return;
    }
    // From the selected row on (the row itself too while typing), wrapping past either end.
    const int selected = m_columns->selectedRow();
    qsizetype at;
    if (direction > 0) {
        const int from = fromSelected ? selected : selected + 1;
        at = std::lower_bound(rows.begin(), rows.end(), from) - rows.begin();
        if (at == rows.size())
            at = 0;
    } else {
        at = std::lower_bound(rows.begin(), rows.end(), selected) - rows.begin() - 1;
        if (at < 0)
            at = rows.size() - 1;
    }
    m_columns->selectRow(rows[at]);
    lblFindStatus->setText(tr("%1 of %2").arg(at + 1).arg(rows.size()));
}
