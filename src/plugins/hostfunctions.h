#pragma once

#include <lua5.1/lua.hpp>

#include <array>

namespace tabulet::plugins {

class PluginHost;

// One function of the host table `tb`. It reads its declared number of arguments counted back
// from the last one given, so that `tb:f(x)` and `tb.f(x)` agree.
struct HostFunction
{
    const char *name;
    lua_CFunction function;
    int declaredArguments;
};

// Every `tb` function, in registration order.
extern const std::array<HostFunction, 52> kHostFunctions;

// Makes the global table `tb` in the state. False when the state ran out of memory.
bool registerHostFunctions(lua_State *lua, PluginHost &host);

} // namespace tabulet::plugins
