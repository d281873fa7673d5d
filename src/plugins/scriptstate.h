#pragma once

#include <lua5.1/lua.hpp>

#include <cstddef>

namespace tabulet::plugins {

// The bytes that several interpreter states may take together.
class MemoryBudget final
{
public:
    explicit MemoryBudget(std::size_t limit) : m_limit(limit) {}

    // Whether `bytes` more fit; when they do, they are counted.
    bool take(std::size_t bytes)
    {
        if (bytes > m_limit - m_used)
            return false;
        m_used += bytes;
        return true;
    }
    void giveBack(std::size_t bytes) { m_used -= bytes; }

private:
    std::size_t m_limit;
    std::size_t m_used = 0;
};

// One Lua interpreter state with a bounded allocator: a script that allocates without end gets
// Lua's "not enough memory" error instead of taking the program down. Not movable: the
// allocator keeps a pointer to it.
class ScriptState final
{
public:
    static constexpr std::size_t kMemoryLimit = std::size_t{768} << 20;

    // A state with a budget of its own.
    explicit ScriptState(std::size_t memoryLimit = kMemoryLimit);
    // A state that shares the budget, which must outlive it, with other states.
    explicit ScriptState(MemoryBudget &budget);
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

    MemoryBudget m_ownBudget{0};
    MemoryBudget &m_budget;
    std::size_t m_used = 0;
    lua_State *m_lua = nullptr;
};

} // namespace tabulet::plugins
