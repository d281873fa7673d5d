#pragma once

#include "commands/keynames.h"
#include "commands/modifiers.h"

#include <QString>

namespace tabulet::commands {

// Display form of a shortcut, written as the desktop writes shortcuts in its own menus: the set
// modifiers in the order Ctrl, Alt, Shift, each name with its first letter upper-case and the
// rest lower-case, then the key's name, joined by "+" ("Ctrl+Shift+B", in German "Strg+Umschalt+B").
// A key the layout cannot name shows its decimal code. Empty when no key is bound (key 0),
// whatever the modifiers.
QString shortcutText(int key, Modifiers modifiers, const KeyNames &keyNames);

// The modifiers alone, each followed by "+" ("Ctrl+Shift+"): a shortcut being entered before
// its key is pressed. Empty without modifiers.
QString modifiersText(Modifiers modifiers, const KeyNames &keyNames);

} // namespace tabulet::commands
