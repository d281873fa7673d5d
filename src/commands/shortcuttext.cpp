#include "commands/shortcuttext.h"

namespace tabulet::commands {

namespace {

// The order of the desktop's own shortcut texts.
constexpr Modifier kShortcutOrder[] = {Modifier::Ctrl, Modifier::Alt, Modifier::Shift};

QString capitalised(const QString &name)
{
    return name.left(1).toUpper() + name.mid(1).toLower();
}

} // namespace

QString modifiersText(Modifiers modifiers, const KeyNames &keyNames)
{
    QString text;
    for (const Modifier modifier : kShortcutOrder) {
        if (modifiers.testFlag(modifier))
            text += capitalised(keyNames.modifierName(modifier)) + QLatin1Char('+');
    }
    return text;
}

QString shortcutText(int key, Modifiers modifiers, const KeyNames &keyNames)
{
    if (key == 0)
        return {};
    const QString name = keyNames.keyName(key);
    return modifiersText(modifiers, keyNames) + (name.isEmpty() ? QString::number(key) : name);
}

} // namespace tabulet::commands
