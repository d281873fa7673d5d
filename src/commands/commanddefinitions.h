#pragma once

#include "commands/commandid.h"
#include "commands/modifiers.h"
#include "commands/virtualkeys.h"

#include <array>

namespace tabulet::commands {

// One built-in command with its default shortcut.
struct CommandDefinition
{
    const char *name;    // used in the configuration file and by plug-ins
    Modifiers modifiers; // default modifiers
    int key;             // default virtual-key code, 0 for no shortcut
    bool listed;         // shown (and rebindable) on the keyboard page of the options
    const char *textKey; // caption text key; menus and themed buttons refer to the command by it
    CommandId id;
};

// All built-in commands in list order. Dispatch walks this order, so an earlier row wins a
// shortcut that two rows share; the order is never changed.
inline constexpr std::array<CommandDefinition, 49> kCommandDefinitions{{
    {"makeSelectionBold", Modifier::Ctrl | Modifier::Shift, 'B', true, "TOOL_BOLD", CommandId::MakeSelectionBold},
    {"makeSelectionItalics", Modifier::Ctrl | Modifier::Shift, 'I', true, "TOOL_ITALIC",
     CommandId::MakeSelectionItalics},
    {"makeSelectionUnderline", Modifier::Ctrl | Modifier::Shift, 'U', true, "TOOL_UNDERLINE",
     CommandId::MakeSelectionUnderline},
    {"makeSelectionNumbered", Modifier::Ctrl | Modifier::Shift, '1', true, "TOOL_NUMBERS",
     CommandId::MakeSelectionNumbered},
    {"makeSelectionBulleted", Modifier::Ctrl | Modifier::Shift, '2', true, "TOOL_BULLET",
     CommandId::MakeSelectionBulleted},
    {"makeSelectionStrikeout", Modifier::Ctrl | Modifier::Shift, 'S', true, "TOOL_STRIKEOUT",
     CommandId::MakeSelectionStrikeout},
    {"makeSelectionSuperscript", {}, 0, true, "ID_CHARACTER_SUPERSCRIPT", CommandId::MakeSelectionSuperscript},
    {"makeSelectionSubscript", {}, 0, true, "ID_CHARACTER_SUBSCRIPT", CommandId::MakeSelectionSubscript},
    {"makeSelectionAllcaps", {}, 0, true, "ID_CHARACTER_ALLCAPS", CommandId::MakeSelectionAllcaps},
    {"makeSelectionSmallcaps", {}, 0, true, "ID_CHARACTER_SMALLCAPS", CommandId::MakeSelectionSmallcaps},
    {"changeToPrevTab", Modifier::Ctrl | Modifier::Shift, vk::Tab, true, "", CommandId::ChangeToPrevTab},
    {"changeToPrevTab1", Modifier::Ctrl, vk::PageUp, false, "", CommandId::ChangeToPrevTab1},
    {"changeToNextTab", Modifier::Ctrl, vk::Tab, true, "", CommandId::ChangeToNextTab},
    {"changeToNextTab1", Modifier::Ctrl, vk::PageDown, false, "", CommandId::ChangeToNextTab1},
    {"print", Modifier::Ctrl, 'P', true, "IDC_PRINT", CommandId::Print},
    {"newTab", Modifier::Ctrl, 'N', true, "ID_NEWTAB", CommandId::NewTab},
    {"showOptions", Modifier::Ctrl, 'O', true, "IDC_OPTIONS", CommandId::ShowOptions},
    {"toggleWordWrap", Modifier::Ctrl, 'W', true, "IDC_WORDWRAP", CommandId::ToggleWordWrap},
    {"alignLeft", Modifier::Ctrl, 'L', true, "TOOL_LEFT", CommandId::AlignLeft},
    {"alignCenter", Modifier::Ctrl, 'E', true, "TOOL_CENTER", CommandId::AlignCenter},
    {"alignRight", Modifier::Ctrl, 'R', true, "TOOL_RIGHT", CommandId::AlignRight},
    {"viewDocumentList", Modifier::Ctrl, vk::Oem102, true, "ID_VIEWDOCUMENTLIST", CommandId::ViewDocumentList},
    {"search", Modifier::Ctrl, 'F', true, "ID_BUTTONMENU_SEARCH", CommandId::Search},
    {"replace", Modifier::Ctrl, 'H', true, "ID_BUTTONMENU_REPLACE", CommandId::Replace},
    {"searchPrev", Modifier::Shift, vk::F3, true, "", CommandId::SearchPrev},
    {"searchNext", {}, vk::F3, true, "", CommandId::SearchNext},
    {"showHelp", {}, vk::F1, true, "ID_TRAYMENU_HELP", CommandId::ShowHelp},
    {"windowOnTop", {}, 0, true, "ID_BUTTONMENU_ALWAYSONTOP", CommandId::WindowOnTop},
    {"showArchives", {}, 0, true, "ID_BUTTONMENU_ARCHIVE", CommandId::ShowArchives},
    {"exit", Modifier::Ctrl, 'Q', true, "IDC_EXIT", CommandId::Exit},
    {"checkForNewVersion", {}, 0, true, "ID_TRAYMENU_CHECKFORNEWVERSION", CommandId::CheckForNewVersion},
    {"about", {}, 0, true, "IDC_ABOUT", CommandId::About},
    {"selectFont", {}, 0, true, "TOOL_FONT", CommandId::SelectFont},
    {"selectTextColor", {}, 0, true, "TOOL_TEXTCOLOR", CommandId::SelectTextColor},
    {"selectBackgroundColor", {}, 0, true, "TOOL_BGCOLOR", CommandId::SelectBackgroundColor},
    {"clearAllStyles", {}, 0, true, "TOOL_CLEAR", CommandId::ClearAllStyles},
    {"minimize", {}, 0, true, "TOOL_MINIMIZE", CommandId::Minimize},
    {"deleteDocument", Modifier::Ctrl, vk::F4, true, "ID_DELETE_TAB", CommandId::DeleteDocument},
    {"hideDocument", {}, 0, true, "ID_HIDETAB", CommandId::HideDocument},
    {"properties", {}, 0, true, "ID_PROPERTIES", CommandId::Properties},
    {"sortAscending", {}, 0, true, "ID_SORT_ASCENDING", CommandId::SortAscending},
    {"sortDescending", {}, 0, true, "ID_SORT_DESCENDING", CommandId::SortDescending},
    {"saveCopy", {}, 0, true, "ID_EXPORTNOTE", CommandId::SaveCopy},
    {"showMenu", {}, 0, true, "TOOL_MENU", CommandId::ShowMenu},
    {"copy", Modifier::Ctrl, 'C', true, "ID_RICHCONTEXT_COPY", CommandId::Copy},
    {"cut", Modifier::Ctrl, 'X', true, "ID_RICHCONTEXT_CUT", CommandId::Cut},
    {"paste", Modifier::Ctrl, 'V', true, "ID_RICHCONTEXT_PASTE", CommandId::Paste},
    {"pasteTextOnly", Modifier::Ctrl, 'T', false, "ID_RICHCONTEXT_PASTETEXTONLY", CommandId::PasteTextOnly},
    {"showTips", {}, 0, true, "ID_SHOWTIPS", CommandId::ShowTips},
}};

} // namespace tabulet::commands
