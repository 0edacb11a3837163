// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr char NameProperty[] = "rostermereAccessibleName";

// A value label's name says what the value is ("Number of figures in the army"); its
// description is the value itself, so a screen reader reads both and follows every change.
class AccessibleValue : public QAccessibleWidget
{
public:
    explicit AccessibleValue(ValueLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description || t == QAccessible::Value)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A menu bar item that opens a submenu, under a name other than its caption. Qt's own item
// reads the caption, and has no public way to be told otherwise.
class NamedMenuBarItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    NamedMenuBarItem(QAction *action, QMenuBar *bar) : m_action(action), m_bar(bar) {}

    bool isValid() const override { return m_action != nullptr && m_bar != nullptr; }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return parent()->window(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar);
    }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(m_action->menu()) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child != nullptr && child->object() == m_action->menu() ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_action->property(NameProperty).toString() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QRect local = m_bar->actionGeometry(m_action);
        return QRect(m_bar->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_bar->isVisible() || !m_action->isVisible();
        state.disabled = !m_action->isEnabled();
        state.focused = m_bar->activeAction() == m_action;
        state.hasPopup = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction() && m_action->isEnabled())
            m_bar->setActiveAction(m_action);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QAction> m_action;
    QPointer<QMenuBar> m_bar;
};

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    // Qt's own factory, asked first, knows QLabel but not the class derived from it.
    if (auto *label = qobject_cast<ValueLabel *>(object))
        return new AccessibleValue(label);
    if (auto *action = qobject_cast<QAction *>(object);
        action && action->menu() && action->property(NameProperty).isValid()) {
        for (QObject *owner : action->associatedObjects())
            if (auto *bar = qobject_cast<QMenuBar *>(owner))
                return new NamedMenuBarItem(action, bar);
    }
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    // Qt keeps one entry for a factory however often it is installed.
    QAccessible::installFactory(createInterface);
}

void announceChange(QWidget *widget)
{
#if QT_CONFIG(accessibility)
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
#endif
}

void nameMenuItem(QAction *action, const QString &name)
{
    QAccessible::installFactory(createInterface);
    action->setProperty(NameProperty, name);
}

void chooseOnEnter(QAbstractItemView *list, const std::function<void()> &choose)
{
    class EnterFilter : public QObject
    {
    public:
        EnterFilter(QObject *parent, std::function<void()> choose)
            : QObject(parent), m_choose(std::move(choose))
        {}
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() != QEvent::KeyPress)
                return QObject::eventFilter(watched, event);
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter)
                return false;
            m_choose();
            return true;
        }

    private:
        std::function<void()> m_choose;
    };
    list->installEventFilter(new EnterFilter(list, choose));
}
