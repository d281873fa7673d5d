#pragma once

#include "plugins/plugineditor.h"

#include <lua5.1/lua.hpp>

#include <QByteArray>
#include <QString>

namespace tabulet::plugins {

struct HostFunction;
class PluginHost;

// The arguments of one `tb` function call. Keeps the function's declared number of values, the
// last ones given: values before them are dropped, missing ones in front become nil (so a method
// call with too few arguments sees `tb` in the missing place). Type errors raise the
// interpreter's argument error, which ends the calling script function.
class Arguments final
{
public:
    explicit Arguments(lua_State *lua);

    lua_State *lua() const { return m_lua; }
    PluginHost &host() const { return *m_host; }

    // A number or a numeric string, truncated toward zero (and held to the int range).
    int integer(int n) const;
    // A number or a numeric string as it is.
    double number(int n) const;
    // A string or a number, all its bytes.
    QByteArray bytes(int n) const;
    // bytes() decoded as a script's text: UTF-8 when valid, else Windows-1252.
    QString text(int n) const;
    // Anything but nil and false.
    bool isSet(int n) const { return lua_toboolean(m_lua, n) != 0; }
    void requireTable(int n) const;
    // Ends the call with the interpreter's argument error, naming the function.
    [[noreturn]] void argumentError(int n, const char *problem) const;

    // Results.
    void push(bool value) const { lua_pushboolean(m_lua, value); }
    void push(int value) const { lua_pushinteger(m_lua, value); }
    void push(const QByteArray &bytes) const { lua_pushlstring(m_lua, bytes.constData(), bytes.size()); }
    void push(const QString &text) const { push(text.toUtf8()); }

private:
    [[noreturn]] void typeError(int n, const char *expected) const;

    lua_State *m_lua;
    PluginHost *m_host;
    const HostFunction *m_function;
};

// Position helpers over the editor's own counting.
int clampPosition(int position, int textLength);
// From a line's first character to the next line's (its break included); the last line's length;
// 0 for a line outside the editor.
int lineSpan(const PluginEditor &editor, int line);

// Table fields as scripts write them.
// A flag: on when the value is a number (or numeric string) other than 0; anything else is off.
bool flagField(lua_State *lua, int table, const char *key);
// A number field, or nothing when absent or not numeric.
bool numberField(lua_State *lua, int table, const char *key, double *value);
// A colour table {r, g, b} as 0xBBGGRR, each part's low 8 bits; absent parts count as 0.
std::uint32_t colourOfTable(lua_State *lua, int table);
void pushColourTable(lua_State *lua, std::uint32_t colour);
int truncatedInt(double value);

} // namespace tabulet::plugins
