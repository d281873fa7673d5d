#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

namespace tabulet::ui {

// An item of the program's menus as assistive technology sees it. The menus draw what follows a
// tab in an item's text as its shortcut: the item is named by the text before it, without the
// mnemonic's ampersand, and the shortcut is its key binding; checkable items tell whether they
// are checked. "Press" chooses the item as Enter does.
class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuItemAccessible(QMenu &menu, QAction &action);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};

} // namespace tabulet::ui
