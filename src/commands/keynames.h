#pragma once

#include "commands/modifiers.h"

#include <QString>

namespace tabulet::commands {

// Names of keys as the user's keyboard layout gives them. Implemented on top of the windowing
// system; commands only asks.
class KeyNames
{
public:
    virtual ~KeyNames() = default;

    // Name of the key that produces one modifier ("ALT", "Ctrl", …), in the layout's own case.
    virtual QString modifierName(Modifier modifier) const = 0;
    // Name of a key given by its virtual-key code, empty when the layout has none.
    virtual QString keyName(int virtualKey) const = 0;
};

} // namespace tabulet::commands
