#pragma once

namespace tabulet::ui {

// Lets assistive technology see the note window's own widgets as what they are: the window as a
// frame, the theme buttons as push buttons, the tab strip as a page-tab list, the menus' items by
// their captions and shortcuts. Once, before the first window is made.
void installAccessibility();

} // namespace tabulet::ui
