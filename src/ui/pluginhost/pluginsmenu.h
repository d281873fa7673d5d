#pragma once

class QMenu;

namespace tabulet::commands {
class CommandTable;
class KeyNames;
} // namespace tabulet::commands
namespace tabulet::plugins {
class PluginHost;
}

namespace tabulet::ui {

// Adds one submenu per plug-in label to the Plugins submenu, each item carrying its command id
// as data and its shortcut after a tab.
void fillPluginsMenu(QMenu &submenu, const plugins::PluginHost &host, const commands::CommandTable &commands,
                     const commands::KeyNames &keyNames);

} // namespace tabulet::ui
