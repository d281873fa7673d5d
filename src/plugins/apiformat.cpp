#include "lang/textdecoding.h"
#include "plugins/hostapi.h"
#include "plugins/hostarguments.h"
#include "plugins/pluginhost.h"

#include <cmath>

namespace tabulet::plugins::api {

namespace {

struct FlagKey
{
    const char *key;
    std::optional<bool> CharacterFormat::*field;
};

// The on/off attributes by their table keys.
constexpr FlagKey kFlags[] = {
    {"allcaps", &CharacterFormat::allCaps},     {"bold", &CharacterFormat::bold},
    {"italics", &CharacterFormat::italics},     {"smallcaps", &CharacterFormat::smallCaps},
    {"strikeout", &CharacterFormat::strikeout}, {"underline", &CharacterFormat::underline},
};

struct NumberKey
{
    const char *key;
    std::optional<int> CharacterFormat::*field;
};

constexpr NumberKey kNumbers[] = {
    {"offset", &CharacterFormat::offset},
    {"height", &CharacterFormat::height},
    {"weight", &CharacterFormat::weight},
};

struct ColourKey
{
    const char *key;
    std::optional<std::uint32_t> CharacterFormat::*field;
};

constexpr ColourKey kColours[] = {
    {"color", &CharacterFormat::colour},
    {"bgcolor", &CharacterFormat::background},
};

bool present(lua_State *lua, int table, const char *key)
{
    lua_getfield(lua, table, key);
    const bool isPresent = !lua_isnil(lua, -1);
    lua_pop(lua, 1);
    return isPresent;
}

int search(lua_State *lua, bool backward)
{
    const Arguments args(lua);
    const QString text = args.text(1);
    args.requireTable(2);
    const PluginEditor &editor = args.host().editor();
    double start = backward ? editor.textLength() : 0;
    numberField(lua, 2, "start", &start);
    double wholeWord = 0;
    double matchCase = 0;
    numberField(lua, 2, "wholeword", &wholeWord);
    numberField(lua, 2, "matchcase", &matchCase);
    const TextRange found = editor.find(text, truncatedInt(start), backward, wholeWord > 0, matchCase > 0);
    lua_createtable(lua, 0, 2);
    lua_pushinteger(lua, found.start);
    lua_setfield(lua, -2, "min");
    lua_pushinteger(lua, found.end);
    lua_setfield(lua, -2, "max");
    return 1;
}

} // namespace

int bitwiseXor(lua_State *lua)
{
    const Arguments args(lua);
    auto low32 = [&](int n) {
        if (!lua_isnumber(lua, n))
            args.integer(n); // raises the argument error
        const double value = std::trunc(lua_tonumber(lua, n));
        return std::isfinite(value) ? static_cast<std::uint32_t>(static_cast<std::int64_t>(std::fmod(value, 0x1p32)))
                                    : 0u;
    };
    args.push(static_cast<int>(static_cast<std::int32_t>(low32(1) ^ low32(2))));
    return 1;
}

int setTextColor(lua_State *lua)
{
    const Arguments args(lua);
    const int start = args.integer(1);
    const int end = args.integer(2);
    args.requireTable(3);
    PluginEditor &editor = args.host().editor();
    const int length = editor.textLength();
    CharacterFormat format;
    format.colour = colourOfTable(lua, 3);
    editor.setCharacterFormat({clampPosition(start, length), clampPosition(end, length)}, format);
    return 0;
}

int find(lua_State *lua)
{
    return search(lua, false);
}

int findLast(lua_State *lua)
{
    return search(lua, true);
}

int getCharacterFormat(lua_State *lua)
{
    const Arguments args(lua);
    const CharacterFormat format = args.host().editor().characterFormat({args.integer(1), args.integer(2)});
    lua_newtable(lua);
    if (format.colour) {
        pushColourTable(lua, *format.colour);
        lua_setfield(lua, -2, "color");
    }
    if (format.background) {
        pushColourTable(lua, *format.background);
        lua_setfield(lua, -2, "bgcolor");
    }
    for (const FlagKey &flag : kFlags) {
        if (const std::optional<bool> &value = format.*flag.field) {
            lua_pushinteger(lua, *value ? 1 : 0);
            lua_setfield(lua, -2, flag.key);
        }
    }
    lua_pushinteger(lua, format.subscript.value_or(false) ? 1 : 0);
    lua_setfield(lua, -2, "subscript");
    lua_pushinteger(lua, format.superscript.value_or(false) ? 1 : 0);
    lua_setfield(lua, -2, "superscript");
    if (format.face) {
        args.push(*format.face);
        lua_setfield(lua, -2, "face");
    }
    for (const NumberKey &number : kNumbers) {
        if (const std::optional<int> &value = format.*number.field) {
            lua_pushinteger(lua, *value);
            lua_setfield(lua, -2, number.key);
        }
    }
    return 1;
}

int setCharacterFormat(lua_State *lua)
{
    constexpr int kLongestFace = 31;
    const Arguments args(lua);
    const TextRange range{args.integer(1), args.integer(2)};
    args.requireTable(3);
    CharacterFormat format;
    for (const FlagKey &flag : kFlags) {
        if (present(lua, 3, flag.key))
            format.*flag.field = flagField(lua, 3, flag.key);
    }
    if (present(lua, 3, "subscript") || present(lua, 3, "superscript")) {
        format.subscript = flagField(lua, 3, "subscript");
        format.superscript = flagField(lua, 3, "superscript");
    }
    if (present(lua, 3, "face")) {
        lua_getfield(lua, 3, "face");
        format.face = lua_isstring(lua, -1) ? lang::decodeText(lua_tostring(lua, -1)).left(kLongestFace) : QString();
        lua_pop(lua, 1);
    }
    for (const NumberKey &number : kNumbers) {
        double value = 0;
        if (present(lua, 3, number.key)) {
            numberField(lua, 3, number.key, &value);
            format.*number.field = truncatedInt(value);
        }
    }
    if (format.weight)
        format.weight = *format.weight & 0xffff;
    for (const ColourKey &colour : kColours) {
        if (!present(lua, 3, colour.key))
            continue;
        lua_getfield(lua, 3, colour.key);
        format.*colour.field = lua_istable(lua, -1) ? colourOfTable(lua, lua_gettop(lua)) : 0;
        lua_pop(lua, 1);
    }
    args.host().editor().setCharacterFormat(range, format);
    return 0;
}

} // namespace tabulet::plugins::api
