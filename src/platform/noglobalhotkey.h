#pragma once

#include "platform/globalhotkey.h"

namespace tabulet::platform {

// Where the desktop offers no global hotkey: every grab is refused, so the user can be told.
class NoGlobalHotkey final : public GlobalHotkey
{
public:
    bool isSupported() const override { return false; }
    GrabResult grab(int, commands::Modifiers) override { return GrabResult::Unsupported; }
    void release() override {}
};

} // namespace tabulet::platform
