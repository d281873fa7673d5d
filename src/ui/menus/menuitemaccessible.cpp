#include "ui/menus/menuitemaccessible.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

namespace tabulet::ui {

namespace {

// The text before the tab, "&&" read as "&" and other ampersands (mnemonics) left out.
QString label(const QString &text)
{
    const QString shown = text.left(text.indexOf(QLatin1Char('\t')));
    QString plain;
    for (qsizetype at = 0; at < shown.size(); ++at) {
        if (shown[at] == QLatin1Char('&') && at + 1 < shown.size())
            ++at;
        plain += shown[at];
    }
    return plain;
}

QString shortcut(const QString &text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab + 1);
}

} // namespace

MenuItemAccessible::MenuItemAccessible(QMenu &menu, QAction &action) : m_menu(&menu), m_action(&action) {}

bool MenuItemAccessible::isValid() const
{
    return m_menu && m_action;
}

QObject *MenuItemAccessible::object() const
{
    return m_action;
}

QWindow *MenuItemAccessible::window() const
{
    return m_menu ? m_menu->windowHandle() : nullptr;
}

QAccessibleInterface *MenuItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menu);
}

// A submenu is the item's one child.
QAccessibleInterface *MenuItemAccessible::child(int index) const
{
    return index == 0 && m_action && m_action->menu() ? QAccessible::queryAccessibleInterface(m_action->menu())
                                                      : nullptr;
}

int MenuItemAccessible::childCount() const
{
    return m_action && m_action->menu() ? 1 : 0;
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && childCount() == 1 && child->object() == m_action->menu() ? 0 : -1;
}

QAccessibleInterface *MenuItemAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessible::Role MenuItemAccessible::role() const
{
    return m_action && m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QString MenuItemAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name:
        return label(m_action->text());
    case QAccessible::Accelerator:
        return shortcut(m_action->text());
    case QAccessible::Description:
        return m_action->toolTip() == label(m_action->text()) ? QString() : m_action->toolTip();
    default:
        return {};
    }
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !m_action->isVisible() || !m_menu->isVisible();
    state.disabled = !m_action->isEnabled();
    state.focusable = !m_action->isSeparator();
    state.focused = m_menu->activeAction() == m_action.data();
    state.hotTracked = state.focused;
    state.checkable = m_action->isCheckable();
    state.checked = m_action->isChecked();
    state.hasPopup = m_action->menu() != nullptr;
    return state;
}

QRect MenuItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect item = m_menu->actionGeometry(m_action);
    return QRect(m_menu->mapToGlobal(item.topLeft()), item.size());
}

void *MenuItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList MenuItemAccessible::actionNames() const
{
    if (!isValid() || m_action->isSeparator() || !m_action->isEnabled())
        return {};
    return {pressAction()};
}

// The menu chooses the item as from the keyboard, after the call returns: the chosen command may
// open a dialog, and a menu opened with exec() hands back what was chosen this way only.
void MenuItemAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !isValid() || !m_action->isEnabled())
        return;
    m_menu->setActiveAction(m_action);
    QCoreApplication::postEvent(m_menu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString &actionName) const
{
    const QString keys = isValid() && actionName == pressAction() ? shortcut(m_action->text()) : QString();
    return keys.isEmpty() ? QStringList() : QStringList{keys};
}

} // namespace tabulet::ui
