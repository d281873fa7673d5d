#include "commands/shortcuttext.h"

#include <QStringList>

namespace tabulet::commands {

namespace {

QString capitalised(const QString &name)
{
    return name.left(1).toUpper() + name.mid(1).toLower();
}

} // namespace

QString shortcutText(int key, Modifiers modifiers, const KeyNames &keyNames)
{
    if (key == 0)
        return {};
    QStringList parts;
    for (const Modifier modifier : kModifierOrder) {
        if (modifiers.testFlag(modifier))
            parts += capitalised(keyNames.modifierName(modifier));
    }
    const QString name = keyNames.keyName(key);
    parts += name.isEmpty() ? QString::number(key) : name;
    return parts.join(QStringLiteral(" + "));
}

} // namespace tabulet::commands
