#pragma once

#include "commands/modifiers.h"

#include <QObject>

#include <memory>

namespace tabulet::platform {

// A key combination that reaches the program while other programs have the focus. One
// combination at a time: a grab replaces the earlier one.
class GlobalHotkey : public QObject
{
    Q_OBJECT
public:
    enum class GrabResult {
        Grabbed,
        Taken,       // another program holds the combination
        UnknownKey,  // the keyboard has no key for the virtual-key code
        Unsupported, // this desktop gives programs no global hotkeys
    };

    ~GlobalHotkey() override = default;

    virtual bool isSupported() const = 0;
    virtual GrabResult grab(int virtualKey, commands::Modifiers modifiers) = 0;
    virtual void release() = 0;

signals:
    // The combination was pressed.
    void activated();
};

// The backend this desktop offers: the X11 key grab, the desktop portal's global shortcuts on
// Wayland, else none.
std::unique_ptr<GlobalHotkey> makeGlobalHotkey();

// Whether a person sees this program's windows (false for the offscreen and minimal platforms of
// scripted runs, where there is nobody to tell about a missing hotkey).
bool hasDesktop();

} // namespace tabulet::platform
