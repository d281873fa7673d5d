#pragma once

#include <lua5.1/lua.hpp>

#include <cstddef>

namespace tabulet::plugins {

// One Lua interpreter state with a bounded allocator: a script that allocates without end gets
// Lua's "not enough memory" error instead of taking the program down. Not movable: the
// allocator keeps a pointer to it.
class ScriptState final
{
public:
    static constexpr std::size_t kMemoryLimit = std::size_t{768} << 20;

    explicit ScriptState(std::size_t memoryLimit = kMemoryLimit);
    ~ScriptState();
    ScriptState(const ScriptState &) = delete;
    ScriptState &operator=(const ScriptState &) = delete;

    lua_State *lua() const { return m_lua; }
    std::size_t memoryInUse() const { return m_used; }

    // Opens base (with coroutine), io, os, string, math, package and table, not debug, and adds
    // what scripts written for Lua 5.0 expect (a global `loadlib`, `table.getn`, `string.gfind`,
    // `math.mod`); `os.exit` raises an error instead of ending the program. False when the state
    // ran out of memory doing so.
    bool openLibraries();

private:
    static void *allocate(void *self, void *block, std::size_t oldSize, std::size_t newSize);

    std::size_t m_limit;
    std::size_t m_used = 0;
    lua_State *m_lua = nullptr;
};

} // namespace tabulet::plugins
