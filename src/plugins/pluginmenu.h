#pragma once

#include <QString>

#include <vector>

namespace tabulet::commands {
class CommandTable;
class KeyNames;
} // namespace tabulet::commands

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::plugins {

class CallbackRegistry;

// The item after the plug-ins' submenus that leads to more plug-ins.
inline constexpr unsigned kGetMorePluginsId = 3901;
// Plug-in entries are bound to shortcuts under this prefix and the menu text.
inline constexpr char kPluginCommandPrefix[] = "Plugin: ";

// How people know a plug-in's command bound under a name: its menu entry marked as a plug-in's
// in the language ("PLUGIN_COMMAND"; English when the language file has no text for it), so
// "Plugin: Upper Case" shows as "Upper Case (plugin)". A name without the prefix stands whole.
QString pluginCommandCaption(const QString &bindingName, lang::TextTable &texts);

struct PluginMenuItem
{
    unsigned commandId = 0;
    QString text; // the menu text, "#" and the shortcut text (empty when no key is bound)
};

struct PluginSubmenu
{
    QString label;
    std::vector<PluginMenuItem> items;
};

// The contents of the "Plugins" submenu: one submenu per label in byte-wise order of the labels,
// the entries of each in registration order. The caller adds the separator and the item of
// kGetMorePluginsId after them.
std::vector<PluginSubmenu> pluginMenu(const CallbackRegistry &registry, const commands::CommandTable &commands,
                                      const commands::KeyNames &keyNames);

} // namespace tabulet::plugins
