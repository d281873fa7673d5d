#include "platform/qtkeynames.h"

#include "commands/virtualkeys.h"

#include <QKeySequence>

namespace tabulet::platform {

QString QtKeyNames::modifierName(commands::Modifier modifier) const
{
    switch (modifier) {
    case commands::Modifier::Alt:
        return QKeySequence(Qt::Key_Alt).toString(QKeySequence::NativeText);
    case commands::Modifier::Ctrl:
        return QKeySequence(Qt::Key_Control).toString(QKeySequence::NativeText);
    case commands::Modifier::Shift:
        return QKeySequence(Qt::Key_Shift).toString(QKeySequence::NativeText);
    case commands::Modifier::None:
        break;
    }
    return {};
}

QString QtKeyNames::keyName(int virtualKey) const
{
    bool keypad = false;
    const int qtKey = commands::qtKeyOfVirtualKey(virtualKey, &keypad);
    if (qtKey == 0)
        return {};
    const QKeyCombination combination(keypad ? Qt::KeypadModifier : Qt::NoModifier, static_cast<Qt::Key>(qtKey));
    return QKeySequence(combination).toString(QKeySequence::NativeText);
}

} // namespace tabulet::platform
