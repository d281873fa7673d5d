#pragma once

#include "platform/globalhotkey.h"

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

#include <vector>

namespace tabulet::platform {

// The hotkey as a key grab on the X root window. The grab is made for every NumLock and CapsLock
// state (X matches modifier masks exactly); the key presses arrive through a native event filter.
class X11GlobalHotkey final : public GlobalHotkey, private QAbstractNativeEventFilter
{
public:
    explicit X11GlobalHotkey(xcb_connection_t *connection);
    ~X11GlobalHotkey() override;

    bool isSupported() const override { return true; }
    GrabResult grab(int virtualKey, commands::Modifiers modifiers) override;
    void release() override;

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    std::vector<uint16_t> lockVariants() const;

    xcb_connection_t *m_connection;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_keycode_t m_keycode = 0;
    uint16_t m_modifiers = 0;
    uint16_t m_numLock = 0;
};

} // namespace tabulet::platform
