#include "plugins/hostfunctions.h"

#include "plugins/hostapi.h"

namespace tabulet::plugins {

const std::array<HostFunction, 52> kHostFunctions{{
    {"setPluginInfo", api::setPluginInfo, 6},
    {"setPluginDescription", api::setPluginDescription, 1},
    {"setPluginMenuContext", api::setPluginMenuContext, 1},
    {"registerMenuEntry", api::registerMenuEntry, 2},
    {"registerSelectionChanged", api::registerSelectionChanged, 1},
    {"registerLoadBuffer", api::registerLoadBuffer, 1},
    {"registerSaveBuffer", api::registerSaveBuffer, 1},
    {"registerPreLoad", api::registerPreLoad, 1},
    {"registerPreSave", api::registerPreSave, 1},
    {"registerPostLoad", api::registerPostLoad, 1},
    {"registerPostSave", api::registerPostSave, 1},
    {"registerTimer", api::registerTimer, 1},
    {"getSelection", api::getSelection, 0},
    {"setSelection", api::setSelection, 2},
    {"getLineBlockLimits", api::getLineBlockLimits, 2},
    {"getLine", api::getLine, 1},
    {"setLine", api::setLine, 2},
    {"getCursorPos", api::getCursorPos, 0},
    {"getText", api::getText, 2},
    {"setText", api::setText, 3},
    {"getWords", api::getWords, 4},
    {"getNumLines", api::getNumLines, 0},
    {"getCurrentLine", api::getCurrentLine, 0},
    {"alert", api::alert, 1},
    {"confirm", api::confirm, 1},
    {"debug", api::debug, 1},
    {"getTextSize", api::getTextSize, 0},
    {"getLoadBuffer", api::getLoadBuffer, 0},
    {"getSaveBuffer", api::getSaveBuffer, 0},
    {"setLoadBuffer", api::setLoadBuffer, 1},
    {"setSaveBuffer", api::setSaveBuffer, 1},
    {"getLoadFilename", api::getLoadFilename, 0},
    {"setLoadFilename", api::setLoadFilename, 1},
    {"getSaveFilename", api::getSaveFilename, 0},
    {"setSaveFilename", api::setSaveFilename, 1},
    {"xor", api::bitwiseXor, 2},
    {"setTextColor", api::setTextColor, 3},
    {"find", api::find, 2},
    {"findLast", api::findLast, 2},
    {"getCharacterFormat", api::getCharacterFormat, 2},
    {"setCharacterFormat", api::setCharacterFormat, 3},
    {"getLastPressedKey", api::getLastPressedKey, 0},
    {"getLastPressedVKey", api::getLastPressedVKey, 0},
    {"getLastPressedModifyer", api::getLastPressedModifyer, 0},
    {"getConfigFileName", api::getConfigFileName, 0},
    {"copy", api::copy, 0},
    {"cut", api::cut, 0},
    {"paste", api::paste, 0},
    {"callMenuCommand", api::callMenuCommand, 1},
    // Ours, after those every plug-in knows.
    {"tell", api::tell, 1},
    {"getDateText", api::getDateText, 1},
    {"getLanguage", api::getLanguage, 0},
}};

namespace {

int makeTable(lua_State *lua)
{
    auto *host = static_cast<PluginHost *>(lua_touserdata(lua, 1));
    lua_createtable(lua, 0, static_cast<int>(kHostFunctions.size()));
    for (std::size_t i = 0; i < kHostFunctions.size(); ++i) {
        lua_pushlightuserdata(lua, host);
        lua_pushinteger(lua, static_cast<lua_Integer>(i));
        lua_pushcclosure(lua, kHostFunctions[i].function, 2);
        lua_setfield(lua, -2, kHostFunctions[i].name);
    }
    lua_setglobal(lua, "tb");
    return 0;
}

} // namespace

bool registerHostFunctions(lua_State *lua, PluginHost &host)
{
    return lua_cpcall(lua, makeTable, &host) == 0;
}

} // namespace tabulet::plugins
