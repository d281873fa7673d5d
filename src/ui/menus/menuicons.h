#pragma once

#include <QIcon>

namespace tabulet::ui {

// The 16 x 16 icon of a menu item: the desktop icon theme's picture when it has one, else our
// own drawing. A null icon for items that carry none.
QIcon menuIcon(int itemId);

} // namespace tabulet::ui
