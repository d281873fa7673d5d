#include "ui/skin/skinnedbuttonaccessible.h"

#include "ui/skin/skinnedbutton.h"

namespace tabulet::ui {

SkinnedButtonAccessible::SkinnedButtonAccessible(SkinnedButton &button)
    : QAccessibleWidget(&button, QAccessible::Button)
{
}

SkinnedButton &SkinnedButtonAccessible::button() const
{
    return *static_cast<SkinnedButton *>(widget());
}

QAccessible::State SkinnedButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (button().isToggle()) {
        state.checkable = true;
        state.checked = button().isSelected();
    }
    return state;
}

QStringList SkinnedButtonAccessible::actionNames() const
{
    return {pressAction()};
}

void SkinnedButtonAccessible::doAction(const QString &actionName)
{
    // After the call returns: a command may open a dialog, which must not hold the caller's reply.
    if (actionName == pressAction() && button().isEnabled())
        button().animateClick();
}

} // namespace tabulet::ui
