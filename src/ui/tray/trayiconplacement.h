#pragma once

#include <QRect>

class QWidget;

namespace tabulet::ui {

// How a show-or-hide request came: a single click on the tray icon shows a hidden window and
// hides a shown one; a double click on it and the hotkey activate the window unless it is
// already shown in front, and only then hide it.
enum class ToggleForm { SingleClick, Activating };

// Whether a show-or-hide request shows the window (else it hides it). minimised: iconic;
// foreground: the window is the active one.
bool toggleShows(ToggleForm form, bool hidden, bool minimised, bool foreground);

// The place "Reset Position" puts the window: 10 pixels into the work area (the screen less its
// panels), 450 × 300 pixels.
QRect resetPlacement(const QRect &workArea);
// Moves and sizes the window so, on the work area of its screen.
void resetPosition(QWidget &window);

// The rectangle moved onto the desktop, keeping its size: moved left when it sticks out on the
// right, moved down when it sticks out at the top and so on. A rectangle larger than the desktop
// keeps its top left corner on it, so that the drag bar along the top stays in reach.
QRect keepOnDesktop(const QRect &rectangle, const QRect &desktop);

// The window kept above all others, or not; it keeps its place and size.
bool isTopmost(const QWidget &window);
void toggleTopmost(QWidget &window);

} // namespace tabulet::ui
