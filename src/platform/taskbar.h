#pragma once

class QWidget;

namespace tabulet::platform {

// Keeps a top-level window off the taskbar and the pager's window lists (the note window is
// reached through the tray and the hotkey, not the taskbar). Call it before the window is shown
// and again after; on platforms without such a hint nothing happens.
void keepOffTaskbar(QWidget *window);

// Asks the window manager to keep a top-level window above all others, or no longer. Only that
// state changes: the native window stays the same, with its place, size, focus and other states.
// A window that is not shown is marked for the window manager to read when it is mapped (window
// managers forget the states of a window put away): call it again before showing it. False where
// no window manager can be asked this way (not X11); the caller then changes the window's flags.
bool keepAbove(QWidget *window, bool above);

} // namespace tabulet::platform
