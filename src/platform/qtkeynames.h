#pragma once

#include "commands/keynames.h"

namespace tabulet::platform {

// Key names as Qt's platform layer gives them (the names shown in the desktop's own menus).
class QtKeyNames final : public commands::KeyNames
{
public:
    QString modifierName(commands::Modifier modifier) const override;
    QString keyName(int virtualKey) const override;
};

} // namespace tabulet::platform
