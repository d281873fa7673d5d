#include "plugins/pluginmenu.h"

#include "commands/commandtable.h"
#include "commands/shortcuttext.h"
#include "lang/formattext.h"
#include "lang/texttable.h"
#include "plugins/callbackregistry.h"

#include <map>

namespace tabulet::plugins {

QString pluginCommandCaption(const QString &bindingName, lang::TextTable &texts)
{
    const QLatin1StringView prefix(kPluginCommandPrefix);
    const QString entry = bindingName.startsWith(prefix) ? bindingName.mid(prefix.size()) : bindingName;
    QString format = texts.text(QStringLiteral("PLUGIN_COMMAND"));
    if (format.isEmpty())
        format = QStringLiteral("%s (plugin)");
    return lang::formatText(format, {entry});
}

std::vector<PluginSubmenu> pluginMenu(const CallbackRegistry &registry, const commands::CommandTable &commands,
                                      const commands::KeyNames &keyNames)
{
    std::map<QByteArray, PluginSubmenu> byLabel;
    for (const PluginCallback &entry : registry.callbacks(PluginEvent::MenuEntry)) {
        PluginSubmenu &submenu = byLabel[entry.label.toUtf8()];
        submenu.label = entry.label;
        QString shortcut;
        if (const auto *binding = commands.pluginBinding(QLatin1String(kPluginCommandPrefix) + entry.menuText))
            shortcut = commands::shortcutText(binding->shortcut.key, binding->shortcut.modifiers, keyNames);
        submenu.items.push_back(PluginMenuItem{entry.commandId, entry.menuText + QLatin1Char('#') + shortcut});
    }
    std::vector<PluginSubmenu> menu;
    menu.reserve(byLabel.size());
    for (auto &[label, submenu] : byLabel)
        menu.push_back(std::move(submenu));
    return menu;
}

} // namespace tabulet::plugins
