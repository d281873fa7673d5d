#pragma once

#include <lua5.1/lua.hpp>

// The C functions behind the `tb` table; kHostFunctions lists them with their names.
namespace tabulet::plugins::api {

// The plug-in itself, its registrations, the user, the last key, commands (apiplugin.cpp).
int setPluginInfo(lua_State *lua);
int setPluginDescription(lua_State *lua);
int setPluginMenuContext(lua_State *lua);
int registerMenuEntry(lua_State *lua);
int registerSelectionChanged(lua_State *lua);
int registerLoadBuffer(lua_State *lua);
int registerSaveBuffer(lua_State *lua);
int registerPreLoad(lua_State *lua);
int registerPreSave(lua_State *lua);
int registerPostLoad(lua_State *lua);
int registerPostSave(lua_State *lua);
int registerTimer(lua_State *lua);
int alert(lua_State *lua);
int confirm(lua_State *lua);
int tell(lua_State *lua);
int getDateText(lua_State *lua);
int getLanguage(lua_State *lua);
int debug(lua_State *lua);
int getLastPressedKey(lua_State *lua);
int getLastPressedVKey(lua_State *lua);
int getLastPressedModifyer(lua_State *lua);
int getConfigFileName(lua_State *lua);
int callMenuCommand(lua_State *lua);

// Text, selection and lines of the note (apitext.cpp).
int getSelection(lua_State *lua);
int setSelection(lua_State *lua);
int getLineBlockLimits(lua_State *lua);
int getLine(lua_State *lua);
int setLine(lua_State *lua);
int getCursorPos(lua_State *lua);
int getText(lua_State *lua);
int setText(lua_State *lua);
int getWords(lua_State *lua);
int getNumLines(lua_State *lua);
int getCurrentLine(lua_State *lua);
int getTextSize(lua_State *lua);
int copy(lua_State *lua);
int cut(lua_State *lua);
int paste(lua_State *lua);

// The file buffers and names (apibuffers.cpp).
int getLoadBuffer(lua_State *lua);
int getSaveBuffer(lua_State *lua);
int setLoadBuffer(lua_State *lua);
int setSaveBuffer(lua_State *lua);
int getLoadFilename(lua_State *lua);
int setLoadFilename(lua_State *lua);
int getSaveFilename(lua_State *lua);
int setSaveFilename(lua_State *lua);

// Searching, colours and character formats (apiformat.cpp).
int bitwiseXor(lua_State *lua);
int setTextColor(lua_State *lua);
int find(lua_State *lua);
int findLast(lua_State *lua);
int getCharacterFormat(lua_State *lua);
int setCharacterFormat(lua_State *lua);

} // namespace tabulet::plugins::api
