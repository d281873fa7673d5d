#include "ui/menus/menuitems.h"

#include "ui/menus/menus.h"

#include <map>

namespace tabulet::ui {

namespace {

using commands::CommandId;
using Kind = MenuEntry::Kind;

MenuEntry item(int id, const char *textKey)
{
    return {Kind::Item, id, textKey, {}};
}

MenuEntry separator()
{
    return {};
}

MenuEntry submenu(const char *textKey, std::vector<MenuEntry> children)
{
    return {Kind::Submenu, 0, textKey, std::move(children)};
}

std::vector<MenuEntry> tabMenu()
{
    return {item(133, "ID_NEWTAB"),
            item(kRenameTabItem, "ID__RENAMETAB"),
            separator(),
            item(32782, "ID_HIDETAB"),
            item(135, "ID_DELETE_TAB"),
            separator(),
            item(kSendNoteItem, "ID_TABPOPUP_SENDTOTABULETUSER"),
            item(32780, "ID_PROPERTIES")};
}

std::vector<MenuEntry> windowMenu()
{
    return {item(133, "ID_NEWTAB"),
            separator(),
            item(170, "IDC_PRINT"),
            separator(),
            item(1010, "IDC_OPTIONS"),
            item(1008, "IDC_ABOUT"),
            separator(),
            item(1015, "TOOL_MINIMIZE"),
            item(1009, "IDC_EXIT")};
}

std::vector<MenuEntry> mainMenu()
{
    return {item(167, "ID_TRAYMENU_CHECKFORNEWVERSION"),
            item(1010, "IDC_OPTIONS"),
            item(173, "ID_BUTTONMENU_ALWAYSONTOP"),
            separator(),
            {Kind::Plugins, 0, "OPTIONPLUGINS", {}},
            {Kind::Themes, 0, "THEMES", {}},
            separator(),
            item(200, "ID_BUTTONMENU_SEARCH"),
            item(201, "ID_BUTTONMENU_REPLACE"),
            separator(),
            item(32784, "ID_VIEWDOCUMENTLIST"),
            item(32771, "ID_BUTTONMENU_ARCHIVE"),
            item(170, "IDC_PRINT"),
            separator(),
            item(1008, "IDC_ABOUT"),
            item(32812, "ID_SHOWTIPS"),
            item(172, "ID_TRAYMENU_HELP"),
            separator(),
            item(1009, "IDC_EXIT")};
}

std::vector<MenuEntry> editorMenu()
{
    return {item(155, "ID_RICHCONTEXT_COPY"),
            item(156, "ID_RICHCONTEXT_CUT"),
            item(157, "ID_RICHCONTEXT_PASTE"),
            item(158, "ID_RICHCONTEXT_PASTETEXTONLY"),
            separator(),
            item(32797, "ID_EXPORTNOTE"),
            separator(),
            item(200, "ID_BUTTONMENU_SEARCH"),
            item(201, "ID_BUTTONMENU_REPLACE"),
            separator(),
            submenu("CHARACTER", {item(146, "TOOL_BOLD"), item(147, "TOOL_ITALIC"), item(148, "TOOL_UNDERLINE"),
                                  item(149, "TOOL_FONT"), item(150, "TOOL_TEXTCOLOR"), item(151, "TOOL_BGCOLOR"),
                                  item(180, "TOOL_STRIKEOUT"), item(32788, "ID_CHARACTER_SUPERSCRIPT"),
                                  item(32794, "ID_CHARACTER_SUBSCRIPT"), item(32792, "ID_CHARACTER_ALLCAPS"),
                                  item(32793, "ID_CHARACTER_SMALLCAPS")}),
            submenu("PARAGRAPH",
                    {item(152, "TOOL_BULLET"), item(154, "TOOL_NUMBERS"),
                     submenu("ALIGN", {item(175, "TOOL_LEFT"), item(176, "TOOL_CENTER"), item(177, "TOOL_RIGHT")}),
                     item(171, "IDC_WORDWRAP")}),
            item(160, "TOOL_CLEAR"),
            separator(),
            submenu("SORT", {item(32773, "ID_SORT_ASCENDING"), item(32774, "ID_SORT_DESCENDING")}),
            item(170, "IDC_PRINT"),
            separator(),
            item(161, "IDC_OPTIONS"),
            item(32784, "ID_VIEWDOCUMENTLIST"),
            item(32771, "ID_BUTTONMENU_ARCHIVE"),
            separator(),
            {Kind::Plugins, 0, "OPTIONPLUGINS", {}},
            {Kind::Themes, 0, "THEMES", {}},
            separator(),
            item(162, "TOOL_MINIMIZE"),
            item(164, "IDC_ABOUT"),
            separator(),
            item(163, "IDC_EXIT")};
}

std::vector<MenuEntry> trayMenu()
{
    return {item(170, "IDC_PRINT"),
            separator(),
            item(167, "ID_TRAYMENU_CHECKFORNEWVERSION"),
            item(kResetPositionItem, "ID_TRAYMENU_RESETPOSITION"),
            item(1010, "IDC_OPTIONS"),
            item(1008, "IDC_ABOUT"),
            item(32812, "ID_SHOWTIPS"),
            item(172, "ID_TRAYMENU_HELP"),
            separator(),
            item(1015, "TOOL_MINIMIZE"),
            item(1009, "IDC_EXIT")};
}

} // namespace

const std::vector<MenuEntry> &menuEntries(MenuKind kind)
{
    static const std::vector<MenuEntry> tab = tabMenu();
    static const std::vector<MenuEntry> window = windowMenu();
    static const std::vector<MenuEntry> main = mainMenu();
    static const std::vector<MenuEntry> editor = editorMenu();
    static const std::vector<MenuEntry> tray = trayMenu();
    switch (kind) {
    case MenuKind::Tab:
        return tab;
    case MenuKind::Window:
        return window;
    case MenuKind::Main:
        return main;
    case MenuKind::Editor:
        return editor;
    case MenuKind::Tray:
        break;
    }
    return tray;
}

std::optional<CommandId> commandOfMenuItem(int id)
{
    constexpr int kFirstCommandId = static_cast<int>(CommandId::MakeSelectionBold);
    constexpr int kLastCommandId = static_cast<int>(CommandId::ShowTips);
    if (id >= kFirstCommandId && id <= kLastCommandId)
        return static_cast<CommandId>(id);
    // The menu items and the window's older buttons carry ids of their own for the same commands.
    static const std::map<int, CommandId> olderIds{
        {1002, CommandId::MakeSelectionBold},
        {146, CommandId::MakeSelectionBold},
        {1003, CommandId::MakeSelectionItalics},
        {147, CommandId::MakeSelectionItalics},
        {1004, CommandId::MakeSelectionUnderline},
        {148, CommandId::MakeSelectionUnderline},
        {1014, CommandId::MakeSelectionNumbered},
        {154, CommandId::MakeSelectionNumbered},
        {1013, CommandId::MakeSelectionBulleted},
        {152, CommandId::MakeSelectionBulleted},
        {1017, CommandId::MakeSelectionStrikeout},
        {180, CommandId::MakeSelectionStrikeout},
        {32788, CommandId::MakeSelectionSuperscript},
        {32794, CommandId::MakeSelectionSubscript},
        {32792, CommandId::MakeSelectionAllcaps},
        {32793, CommandId::MakeSelectionSmallcaps},
        {158, CommandId::PasteTextOnly},
        {170, CommandId::Print},
        {133, CommandId::NewTab},
        {1010, CommandId::ShowOptions},
        {161, CommandId::ShowOptions},
        {171, CommandId::ToggleWordWrap},
        {1020, CommandId::AlignLeft},
        {175, CommandId::AlignLeft},
        {1021, CommandId::AlignCenter},
        {176, CommandId::AlignCenter},
        {1022, CommandId::AlignRight},
        {177, CommandId::AlignRight},
        {32784, CommandId::ViewDocumentList},
        {200, CommandId::Search},
        {201, CommandId::Replace},
        {1016, CommandId::ShowHelp},
        {172, CommandId::ShowHelp},
        {1023, CommandId::WindowOnTop},
        {173, CommandId::WindowOnTop},
        {32771, CommandId::ShowArchives},
        {1009, CommandId::Exit},
        {163, CommandId::Exit},
        {167, CommandId::CheckForNewVersion},
        {1008, CommandId::About},
        {164, CommandId::About},
        {1006, CommandId::SelectFont},
        {149, CommandId::SelectFont},
        {1005, CommandId::SelectTextColor},
        {150, CommandId::SelectTextColor},
        {1011, CommandId::SelectBackgroundColor},
        {151, CommandId::SelectBackgroundColor},
        {1007, CommandId::ClearAllStyles},
        {160, CommandId::ClearAllStyles},
        {1015, CommandId::Minimize},
        {162, CommandId::Minimize},
        {135, CommandId::DeleteDocument},
        {32782, CommandId::HideDocument},
        {32780, CommandId::Properties},
        {32773, CommandId::SortAscending},
        {32774, CommandId::SortDescending},
        {32797, CommandId::SaveCopy},
        {1019, CommandId::ShowMenu},
        {155, CommandId::Copy},
        {156, CommandId::Cut},
        {157, CommandId::Paste},
        {32812, CommandId::ShowTips},
    };
    if (const auto found = olderIds.find(id); found != olderIds.end())
        return found->second;
    return std::nullopt;
}

} // namespace tabulet::ui
