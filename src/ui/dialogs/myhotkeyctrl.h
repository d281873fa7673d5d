#pragma once

#include "commands/keynames.h"
#include "commands/modifiers.h"

#include <QWidget>

namespace tabulet::ui {

// The field in which the user presses the keys of a shortcut. It takes every key but Escape and
// Tab alone (Return included) and shows what was pressed: "Ctrl+Shift+B", "Ctrl+" while only a
// modifier is held, "None" when empty.
class MyHotKeyCtrl final : public QWidget
{
    Q_OBJECT
public:
    // Modifier combinations the control does not count, as bits of the system's hotkey rules.
    enum Rule {
        ForbidShift = 0x02,
        ForbidCtrl = 0x04,
        ForbidAlt = 0x08,
        ForbidShiftCtrl = 0x10,
        ForbidShiftAlt = 0x20,
        ForbidCtrlAlt = 0x40,
        ForbidAll = 0x80,
    };

    // keyNames must outlive the control.
    explicit MyHotKeyCtrl(const commands::KeyNames &keyNames, QWidget *parent = nullptr);

    void setHotKey(int key, commands::Modifiers modifiers);
    int key() const { return m_key; }
    commands::Modifiers modifiers() const { return m_modifiers; }
    void setRules(int rules) { m_rules = rules; }
    // When off (the default), Delete without modifiers empties the control.
    void setAllowPlainDelete(bool allow) { m_allowPlainDelete = allow; }
    QString text() const;

    QSize sizeHint() const override;

signals:
    // A key was entered, or a lone modifier was released.
    void changed();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    commands::Modifiers countedModifiers(commands::Modifiers held) const;

    const commands::KeyNames &m_keyNames;
    int m_key = 0;
    commands::Modifiers m_modifiers;
    int m_rules = 0;
    bool m_allowPlainDelete = false;
};

} // namespace tabulet::ui
