#pragma once

class QWidget;

namespace tabulet::platform {

// Keeps a top-level window off the taskbar and the pager's window lists (the note window is
// reached through the tray and the hotkey, not the taskbar). Call it before the window is shown
// and again after; on platforms without such a hint nothing happens.
void keepOffTaskbar(QWidget *window);

} // namespace tabulet::platform
