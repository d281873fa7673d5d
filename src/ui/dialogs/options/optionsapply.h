#pragma once

#include <functional>

namespace tabulet::commands {
class CommandTable;
}
namespace tabulet::plugins {
class PluginTable;
}
namespace tabulet::settings {
class Settings;
}

namespace tabulet::ui {

struct OptionsWork;

// What the options sheet's OK changes, and what it runs on the way.
struct OptionsTargets
{
    settings::Settings &settings;
    commands::CommandTable &commands;
    plugins::PluginTable &plugins;
    // Registers the hotkey of "activatekey" and "activatemod" in place of the earlier one.
    std::function<void()> registerHotkey;
    // Shows the picture of "trayicon" in the tray.
    std::function<void()> showTrayIcon;
};

// Takes the sheet's work over: the key bindings and plug-in flags, then the options in groups,
// the hotkey registered after its group and the tray icon set after its own. Only the options
// the pages show are written.
void applyOptions(const OptionsWork &work, OptionsTargets targets);

} // namespace tabulet::ui
