#include "plugins/scriptstate.h"

#include <cstdlib>

namespace tabulet::plugins {

namespace {

// Lua 5.1 drops these globals; 5.0 scripts still call them. os.exit would end the program on
// the spot, without saving what the user typed.
constexpr char kCompatibility[] =
    "loadlib = package.loadlib\n"
    "string.gfind = string.gfind or string.gmatch\n"
    "math.mod = math.mod or math.fmod\n"
    "table.getn = table.getn or function(t) return #t end\n"
    "os.exit = function() error(\"os.exit is not available to plug-ins: tb.callMenuCommand('exit') ends "
    "Tabulet and saves the notes\", 2) end\n";

int openAll(lua_State *lua)
{
    const lua_CFunction libraries[] = {luaopen_base, luaopen_io,      luaopen_os,   luaopen_string,
                                       luaopen_math, luaopen_package, luaopen_table};
    for (lua_CFunction open : libraries) {
        lua_pushcfunction(lua, open);
        lua_call(lua, 0, 0);
    }
    if (luaL_loadbuffer(lua, kCompatibility, sizeof kCompatibility - 1, "=compatibility") != 0)
        return lua_error(lua);
    lua_call(lua, 0, 0);
    return 0;
}

} // namespace

ScriptState::ScriptState(std::size_t memoryLimit) : m_ownBudget(memoryLimit), m_budget(m_ownBudget)
{
    m_lua = lua_newstate(&ScriptState::allocate, this);
}

ScriptState::ScriptState(MemoryBudget &budget) : m_budget(budget)
{
    m_lua = lua_newstate(&ScriptState::allocate, this);
}

ScriptState::~ScriptState()
{
    if (m_lua)
        lua_close(m_lua);
}

bool ScriptState::openLibraries()
{
    const bool opened = m_lua && lua_cpcall(m_lua, openAll, nullptr) == 0;
    if (m_lua)
        lua_settop(m_lua, 0);
    return opened;
}

void *ScriptState::allocate(void *self, void *block, std::size_t oldSize, std::size_t newSize)
{
    auto *state = static_cast<ScriptState *>(self);
    if (newSize == 0) {
        std::free(block);
        state->m_used -= oldSize;
        state->m_budget.giveBack(oldSize);
        return nullptr;
    }
    const bool grows = newSize > oldSize;
    if (grows && !state->m_budget.take(newSize - oldSize))
        return nullptr;
    void *moved = std::realloc(block, newSize);
    if (!moved) {
        if (grows)
            state->m_budget.giveBack(newSize - oldSize);
        return nullptr;
    }
    if (!grows)
        state->m_budget.giveBack(oldSize - newSize);
    state->m_used = state->m_used - oldSize + newSize;
    return moved;
}

} // namespace tabulet::plugins
