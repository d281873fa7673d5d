#include "platform/qtkeynames.h"

#include "commands/virtualkeys.h"

#include <QKeySequence>

namespace tabulet::platform {

namespace {

// The name a modifier has inside a shortcut ("Ctrl", not the key's own name "Control").
QString nameInShortcut(Qt::KeyboardModifier modifier)
{
    const QString text = QKeySequence(QKeyCombination(modifier, Qt::Key_A)).toString(QKeySequence::NativeText);
    return text.left(text.lastIndexOf(QLatin1Char('+')));
}

} // namespace

QString QtKeyNames::modifierName(commands::Modifier modifier) const
{
    switch (modifier) {
    case commands::Modifier::Alt:
        return nameInShortcut(Qt::AltModifier);
    case commands::Modifier::Ctrl:
        return nameInShortcut(Qt::ControlModifier);
    case commands::Modifier::Shift:
        return nameInShortcut(Qt::ShiftModifier);
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
