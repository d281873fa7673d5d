#include "plugins/hostapi.h"
#include "plugins/hostarguments.h"
#include "plugins/pluginhost.h"

namespace tabulet::plugins::api {

namespace {

int pushBytes(lua_State *lua, QByteArray FileBuffers::*field)
{
    const Arguments args(lua);
    args.push(args.host().fileBuffers().*field);
    return 1;
}

// Buffers take every byte, zero bytes included.
int storeBuffer(lua_State *lua, QByteArray FileBuffers::*field)
{
    const Arguments args(lua);
    args.host().fileBuffers().*field = args.bytes(1);
    return 0;
}

// File names end at their first zero byte.
int storeFileName(lua_State *lua, QByteArray FileBuffers::*field)
{
    const Arguments args(lua);
    QByteArray name = args.bytes(1);
    if (const qsizetype zero = name.indexOf('\0'); zero >= 0)
        name.truncate(zero);
    args.host().fileBuffers().*field = name;
    return 0;
}

} // namespace

int getLoadBuffer(lua_State *lua)
{
    return pushBytes(lua, &FileBuffers::loadBuffer);
}

int getSaveBuffer(lua_State *lua)
{
    return pushBytes(lua, &FileBuffers::saveBuffer);
}

int setLoadBuffer(lua_State *lua)
{
    return storeBuffer(lua, &FileBuffers::loadBuffer);
}

int setSaveBuffer(lua_State *lua)
{
    return storeBuffer(lua, &FileBuffers::saveBuffer);
}

int getLoadFilename(lua_State *lua)
{
    return pushBytes(lua, &FileBuffers::loadFileName);
}

int setLoadFilename(lua_State *lua)
{
    return storeFileName(lua, &FileBuffers::loadFileName);
}

int getSaveFilename(lua_State *lua)
{
    return pushBytes(lua, &FileBuffers::saveFileName);
}

int setSaveFilename(lua_State *lua)
{
    return storeFileName(lua, &FileBuffers::saveFileName);
}

} // namespace tabulet::plugins::api
