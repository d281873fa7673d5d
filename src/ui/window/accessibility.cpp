#include "ui/window/accessibility.h"

#include "ui/menus/menuitemaccessible.h"
#include "ui/skin/skinnedbutton.h"
#include "ui/skin/skinnedbuttonaccessible.h"
#include "ui/window/mainwindow.h"
#include "ui/window/tabstrip.h"
#include "ui/window/tabstripaccessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>

namespace tabulet::ui {

namespace {

QAccessibleInterface *interfaceOf(const QString &, QObject *object)
{
    if (auto *button = qobject_cast<SkinnedButton *>(object))
        return new SkinnedButtonAccessible(*button);
    if (auto *strip = qobject_cast<TabStrip *>(object))
        return new TabStripAccessible(*strip);
    if (auto *window = qobject_cast<MainWindow *>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto *action = qobject_cast<QAction *>(object)) {
        if (auto *menu = qobject_cast<QMenu *>(action->parent()))
            return new MenuItemAccessible(*menu, *action);
    }
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(interfaceOf);
}

} // namespace tabulet::ui
