#pragma once

#include "commands/keynames.h"
#include "commands/virtualkeys.h"

// Key names as a layout reports them, in the layout's own case: the shortcut text must
// capitalise modifier names itself.
class FakeKeyNames final : public tabulet::commands::KeyNames
{
public:
    QString modifierName(tabulet::commands::Modifier modifier) const override
    {
        using tabulet::commands::Modifier;
        switch (modifier) {
        case Modifier::Alt:
            return QStringLiteral("ALT");
        case Modifier::Ctrl:
            return QStringLiteral("CTRL");
        case Modifier::Shift:
            return QStringLiteral("shift");
        case Modifier::None:
            break;
        }
        return {};
    }

    QString keyName(int virtualKey) const override
    {
        if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
            return QString(QChar(virtualKey));
        if (virtualKey >= tabulet::commands::vk::F1 && virtualKey < tabulet::commands::vk::F1 + 12)
            return QStringLiteral("F%1").arg(virtualKey - tabulet::commands::vk::F1 + 1);
        return {};
    }
};
