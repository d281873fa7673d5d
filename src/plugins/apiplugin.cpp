#include "commands/commanddefinitions.h"
#include "commands/commandtable.h"
#include "lang/formattext.h"
#include "lang/languagelocale.h"
#include "plugins/hostapi.h"
#include "plugins/hostarguments.h"
#include "plugins/pluginhost.h"
#include "plugins/pluginmenu.h"
#include "plugins/versionnumber.h"
#include "settings/settings.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace tabulet::plugins::api {

namespace {

// Longest text a message box shows; a script's runaway string would otherwise take the box
// minutes to lay out.
constexpr qsizetype kLongestMessage = 64 * 1024;

QString messageText(const Arguments &args)
{
    QString text = args.text(1);
    if (text.size() > kLongestMessage) {
        text.truncate(kLongestMessage);
        text += QChar(0x2026);
    }
    return text;
}

// The version check never stops the plug-in; it only tells the user.
void checkRequiredVersion(PluginHost &host, const QString &required)
{
    const auto program = versionNumber(QString::fromLatin1(kProgramVersion));
    const auto wanted = versionNumber(required);
    if (!program || !wanted)
        host.showMessage(host.text("PLUGIN_VERSIONERROR"), host.text("PLUGIN_BADVERSION"), MessageIcon::Error);
    else if (*wanted > *program)
        host.showMessage(host.text("PLUGIN_VERSIONERROR"), host.text("PLUGIN_NEWERVERSION"), MessageIcon::Error);
}

int registerCallback(lua_State *lua, PluginEvent kind)
{
    const Arguments args(lua);
    PluginCallback callback;
    callback.lua = lua;
    callback.functionName = args.bytes(1);
    args.host().registry().add(kind, std::move(callback));
    return 0;
}

int pushLastKey(lua_State *lua, int LastKey::*field)
{
    const Arguments args(lua);
    args.push(args.host().lastKey().*field);
    return 1;
}

} // namespace

int setPluginInfo(lua_State *lua)
{
    const Arguments args(lua);
    const QString fields[] = {args.text(1), args.text(2), args.text(3), args.text(4), args.text(5), args.text(6)};
    Plugin *plugin = args.host().table().recordOf(lua);
    if (!plugin)
        return 0;
    plugin->name = fields[0];
    plugin->version = fields[1];
    plugin->author = fields[2];
    plugin->authorEmail = fields[3];
    plugin->homepage = fields[4];
    plugin->requiredVersion = fields[5];
    plugin->infoSet = true;
    checkRequiredVersion(args.host(), plugin->requiredVersion);
    return 0;
}

int setPluginDescription(lua_State *lua)
{
    const Arguments args(lua);
    const QString description = args.text(1);
    if (Plugin *plugin = args.host().table().recordOf(lua))
        plugin->description = description;
    return 0;
}

int setPluginMenuContext(lua_State *lua)
{
    const Arguments args(lua);
    const QString context = args.text(1);
    if (Plugin *plugin = args.host().table().recordOf(lua))
        plugin->menuContext = context;
    return 0;
}

int registerMenuEntry(lua_State *lua)
{
    constexpr int kLabelLength = 20;
    // More would make a menu nobody can use; a runaway loop gets a clear error instead.
    constexpr std::ptrdiff_t kMostEntriesPerPlugin = 1000;
    const Arguments args(lua);
    PluginCallback entry;
    entry.lua = lua;
    entry.menuText = args.text(1);
    entry.functionName = args.bytes(2);
    const Plugin *plugin = args.host().table().recordOf(lua);
    if (!plugin)
        return 0;
    const auto &entries = args.host().registry().callbacks(PluginEvent::MenuEntry);
    if (std::count_if(entries.begin(), entries.end(), [lua](const PluginCallback &e) { return e.lua == lua; }) >=
        kMostEntriesPerPlugin)
        return luaL_error(lua, "registerMenuEntry: a plug-in may register at most %d menu entries",
                          static_cast<int>(kMostEntriesPerPlugin));
    entry.label = plugin->menuContext.isEmpty() ? plugin->name.left(kLabelLength) : plugin->menuContext;
    const auto id = args.host().registry().commandIdFor(plugin->path, entry.menuText, entry.functionName);
    if (!id)
        return luaL_error(lua, "registerMenuEntry: no more menu entries can be registered");
    entry.commandId = *id;
    args.host().commands().markPluginBindingForWriting(QLatin1String(kPluginCommandPrefix) + entry.menuText);
    args.host().registry().add(PluginEvent::MenuEntry, std::move(entry));
    return 0;
}

int registerSelectionChanged(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::SelectionChanged);
}

int registerLoadBuffer(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::LoadBuffer);
}

int registerSaveBuffer(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::SaveBuffer);
}

int registerPreLoad(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::PreLoad);
}

int registerPreSave(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::PreSave);
}

int registerPostLoad(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::PostLoad);
}

int registerPostSave(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::PostSave);
}

int registerTimer(lua_State *lua)
{
    return registerCallback(lua, PluginEvent::Timer);
}

int alert(lua_State *lua)
{
    const Arguments args(lua);
    args.host().showMessage(args.host().text("PLUGIN_MESSAGE"), messageText(args), MessageIcon::Warning);
    return 0;
}

int confirm(lua_State *lua)
{
    const Arguments args(lua);
    const QString text = messageText(args);
    bool yes = false;
    if (PluginDialogs *dialogs = args.host().dialogs()) {
        const CallWatch::Pause waiting(args.host().watch());
        yes = dialogs->askYesNo(args.host().text("PLUGIN_MESSAGE"), text);
    }
    args.push(yes);
    return 1;
}

// A result for the user: an information box captioned with the plug-in's name.
int tell(lua_State *lua)
{
    const Arguments args(lua);
    const Plugin *plugin = args.host().table().recordOf(lua);
    args.host().showMessage(plugin ? plugin->displayName() : QString(), messageText(args), MessageIcon::Information);
    return 0;
}

// The date and time in the program's language: its long date and the hours and minutes
// ("Dienstag, 8. Dezember 2026 14:30"). The moment is now, or the seconds since 1970 given (a
// method call without them sees `tb` there).
int getDateText(lua_State *lua)
{
    // About 300 000 years either way, which every date the language can write stays within.
    constexpr double kFarthestSeconds = 1e13;
    const Arguments args(lua);
    QDateTime moment = QDateTime::currentDateTime();
    if (!lua_isnil(lua, 1) && !lua_istable(lua, 1)) {
        const double seconds = args.number(1);
        if (!(std::abs(seconds) < kFarthestSeconds))
            args.argumentError(1, "time out of range");
        moment = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(seconds));
    }
    const QLocale locale = lang::languageLocale(args.host().language(), QLocale::system());
    args.push(locale.toString(moment.date(), QLocale::LongFormat) + u' ' +
              locale.toString(moment.time(), QLocale::ShortFormat));
    return 1;
}

int debug(lua_State *lua)
{
    const Arguments args(lua);
    args.host().debugOutput(args.bytes(1) + '\n');
    return 0;
}

int getLastPressedKey(lua_State *lua)
{
    return pushLastKey(lua, &LastKey::character);
}

int getLastPressedVKey(lua_State *lua)
{
    return pushLastKey(lua, &LastKey::virtualKey);
}

int getLastPressedModifyer(lua_State *lua)
{
    return pushLastKey(lua, &LastKey::modifierBits);
}

int getLanguage(lua_State *lua)
{
    const Arguments args(lua);
    args.push(args.host().language());
    return 1;
}

int getConfigFileName(lua_State *lua)
{
    const Arguments args(lua);
    const Plugin *plugin = args.host().table().recordOf(lua);
    args.push(plugin ? plugin->configurationFile : QString());
    return 1;
}

int callMenuCommand(lua_State *lua)
{
    const Arguments args(lua);
    const QString name = args.text(1);
    const auto &commands = commands::kCommandDefinitions;
    const auto found = std::find_if(commands.begin(), commands.end(), [&](const commands::CommandDefinition &command) {
        return name.compare(QLatin1String(command.name), Qt::CaseInsensitive) == 0;
    });
    if (found != commands.end()) {
        args.host().window().runCommand(found->id);
    } else if (args.host().settings().flag(QStringLiteral("scriptdebug"))) {
        args.host().showMessage(args.host().text("PLUGIN_SCRIPTERROR"),
                                lang::formatText(args.host().text("PLUGIN_NOCOMMAND"), {name}), MessageIcon::Warning);
    }
    return 0;
}

} // namespace tabulet::plugins::api
