#include "plugins/hostarguments.h"

#include "lang/textdecoding.h"
#include "plugins/hostfunctions.h"

#include <cmath>
#include <limits>

namespace tabulet::plugins {

Arguments::Arguments(lua_State *lua)
    : m_lua(lua), m_host(static_cast<PluginHost *>(lua_touserdata(lua, lua_upvalueindex(1)))),
      m_function(&kHostFunctions[static_cast<std::size_t>(lua_tointeger(lua, lua_upvalueindex(2)))])
{
    const int declared = m_function->declaredArguments;
    const int given = lua_gettop(lua);
    for (int i = given; i > declared; --i)
        lua_remove(lua, 1);
    if (given < declared) {
        luaL_checkstack(lua, declared - given, "too many arguments");
        for (int i = given; i < declared; ++i) {
            lua_pushnil(lua);
            lua_insert(lua, 1);
        }
    }
}

void Arguments::typeError(int n, const char *expected) const
{
    luaL_error(m_lua, "bad argument #%d to '%s' (%s expected, got %s)", n, m_function->name, expected,
               luaL_typename(m_lua, n));
    std::abort(); // luaL_error does not return
}

void Arguments::argumentError(int n, const char *problem) const
{
    luaL_error(m_lua, "bad argument #%d to '%s' (%s)", n, m_function->name, problem);
    std::abort(); // luaL_error does not return
}

int Arguments::integer(int n) const
{
    if (!lua_isnumber(m_lua, n))
        typeError(n, "number");
    return truncatedInt(lua_tonumber(m_lua, n));
}

double Arguments::number(int n) const
{
    if (!lua_isnumber(m_lua, n))
        typeError(n, "number");
    return lua_tonumber(m_lua, n);
}

QByteArray Arguments::bytes(int n) const
{
    if (!lua_isstring(m_lua, n))
        typeError(n, "string");
    size_t length = 0;
    const char *data = lua_tolstring(m_lua, n, &length);
    return QByteArray(data, static_cast<qsizetype>(length));
}

QString Arguments::text(int n) const
{
    return lang::decodeText(bytes(n));
}

void Arguments::requireTable(int n) const
{
    if (!lua_istable(m_lua, n))
        typeError(n, "table");
}

int truncatedInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (truncated >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(truncated);
}

int clampPosition(int position, int textLength)
{
    return std::clamp(position, 0, textLength);
}

int lineSpan(const PluginEditor &editor, int line)
{
    const int count = editor.lineCount();
    if (line < 0 || line >= count)
        return 0;
    const int start = editor.lineStart(line);
    const int end = line + 1 < count ? editor.lineStart(line + 1) : editor.textLength();
    return std::max(0, end - start);
}

bool numberField(lua_State *lua, int table, const char *key, double *value)
{
    lua_getfield(lua, table, key);
    const bool numeric = lua_isnumber(lua, -1) != 0;
    if (numeric)
        *value = lua_tonumber(lua, -1);
    lua_pop(lua, 1);
    return numeric;
}

bool flagField(lua_State *lua, int table, const char *key)
{
    double value = 0;
    return numberField(lua, table, key, &value) && value != 0;
}

std::uint32_t colourOfTable(lua_State *lua, int table)
{
    std::uint32_t colour = 0;
    const char *parts[] = {"r", "g", "b"};
    for (int i = 0; i < 3; ++i) {
        double value = 0;
        numberField(lua, table, parts[i], &value);
        colour |= (static_cast<std::uint32_t>(truncatedInt(value)) & 0xffu) << (8 * i);
    }
    return colour;
}

void pushColourTable(lua_State *lua, std::uint32_t colour)
{
    lua_createtable(lua, 0, 3);
    const char *parts[] = {"r", "g", "b"};
    for (int i = 0; i < 3; ++i) {
        lua_pushinteger(lua, (colour >> (8 * i)) & 0xffu);
        lua_setfield(lua, -2, parts[i]);
    }
}

} // namespace tabulet::plugins
