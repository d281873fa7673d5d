#pragma once

#include <QList>
#include <QRect>

#include <optional>

namespace tabulet::settings {
class Settings;
}

namespace tabulet::ui {

// The note window's place and size as the options "x", "y", "w" and "h" keep them; nothing when
// all of x, y and either size are 0 (the window then stays where it was put).
std::optional<QRect> savedPlacement(const settings::Settings &settings);

// Where a first start opens the window: its size (shrunk to fit) centred on the screen's
// available area.
QRect centredOn(QSize size, const QRect &screen);

// The window geometry moved onto a screen when no screen shows enough of it to take hold of it,
// as after the screen it was on was removed. It goes onto the screen nearest to it, shrunk to
// fit; screens are the available areas of the screens, the first one the primary.
QRect keepOnScreen(const QRect &window, const QList<QRect> &screens);

} // namespace tabulet::ui
