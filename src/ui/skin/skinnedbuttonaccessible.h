#pragma once

#include <QAccessibleWidget>

namespace tabulet::ui {

class SkinnedButton;

// A theme button as assistive technology sees it: a push button named after its command's
// caption (its tool tip, shown or not), checkable and checked while it is a toggle, and pressed
// through its "Press" action as a click would.
class SkinnedButtonAccessible final : public QAccessibleWidget
{
public:
    explicit SkinnedButtonAccessible(SkinnedButton &button);

    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    SkinnedButton &button() const;
};

} // namespace tabulet::ui
