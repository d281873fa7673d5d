#pragma once

#include "commands/commandid.h"

#include <optional>
#include <vector>

namespace tabulet::ui {

enum class MenuKind;

// Item ids of the menus that are no command of the table.
inline constexpr int kRenameTabItem = 137;
inline constexpr int kResetPositionItem = 32806;
inline constexpr int kSendNoteItem = 32807;
// The link to more plug-ins at the end of the Plugins submenu.
inline constexpr int kMorePluginsItem = 3901;

// One entry of a popup menu as the program defines it.
struct MenuEntry
{
    enum class Kind { Item, Separator, Submenu, Plugins, Themes };

    Kind kind = Kind::Separator;
    int id = 0;                      // items only
    const char *textKey = nullptr;   // items and submenu titles
    std::vector<MenuEntry> children; // submenus only
};

// The entries of a menu, in order.
const std::vector<MenuEntry> &menuEntries(MenuKind kind);

// The command an item id stands for: the command ids themselves, and the older menu and button
// ids of the same commands. Nothing for the rename, reset-position and send items.
std::optional<commands::CommandId> commandOfMenuItem(int id);

} // namespace tabulet::ui
