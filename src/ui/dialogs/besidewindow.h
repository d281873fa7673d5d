#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tabulet::ui {

// Where a dialog goes that should leave the note window in view (its frame's top-left): below
// the window, else above it, else to its right, else to its left, each on the screen's available
// area with a small gap. When none has room, at the foot of the screen across the window's lower
// part, so that its tab strip stays uncovered.
QPoint besideWindow(const QRect &window, QSize dialog, const QRect &screen);

} // namespace tabulet::ui
