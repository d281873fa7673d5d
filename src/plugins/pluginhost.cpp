#include "plugins/pluginhost.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "plugins/closedwindow.h"
#include "plugins/hostfunctions.h"
#include "plugins/scriptfolders.h"
#include "settings/settings.h"

#include <QFile>
#include <QFileInfo>

namespace tabulet::plugins {

namespace {

// The hook looks at the clock every this many instructions.
constexpr int kHookInstructions = 10'000;
constexpr char kStoppedByUser[] = "script stopped by the user";
constexpr char kHostKey[] = "tabulet.host";

ClosedEditor g_closedEditor;
ClosedWindow g_closedWindow;

PluginHost &hostOf(lua_State *lua)
{
    lua_getfield(lua, LUA_REGISTRYINDEX, kHostKey);
    auto *host = static_cast<PluginHost *>(lua_touserdata(lua, -1));
    lua_pop(lua, 1);
    return *host;
}

void watchHook(lua_State *lua, lua_Debug *)
{
    PluginHost &host = hostOf(lua);
    PluginDialogs *dialogs = host.dialogs();
    if (!dialogs)
        return;
    const bool stop = host.watch().shouldStop(
        [dialogs](const QString &pluginName, int seconds) { return dialogs->askToStopScript(pluginName, seconds); });
    if (stop) {
        // From now on at every instruction, so that the stop also reaches the code around a
        // pcall that caught it.
        lua_sethook(lua, watchHook, LUA_MASKCOUNT, 1);
        lua_pushstring(lua, kStoppedByUser);
        lua_error(lua);
    }
}

// Runs in protected mode: looks the function up at every call, so that a script may redefine or
// remove it at run time.
int callGlobal(lua_State *lua)
{
    const auto *functionName = static_cast<const QByteArray *>(lua_touserdata(lua, 1));
    lua_getfield(lua, LUA_GLOBALSINDEX, functionName->constData());
    lua_call(lua, 0, 0);
    return 0;
}

struct Chunk
{
    QByteArray fileName;
};

int runFile(lua_State *lua)
{
    const auto *chunk = static_cast<const Chunk *>(lua_touserdata(lua, 1));
    if (luaL_loadfile(lua, chunk->fileName.constData()) != 0)
        return lua_error(lua);
    lua_call(lua, 0, 0);
    return 0;
}

// The error message on top of the stack, cut short so that a script's huge error value cannot
// flood a message box.
QByteArray errorText(lua_State *lua)
{
    constexpr size_t kLongest = 4096;
    size_t length = 0;
    const char *text = lua_tolstring(lua, -1, &length);
    if (!text)
        return QByteArrayLiteral("(error object is not a string)");
    if (length <= kLongest)
        return QByteArray(text, static_cast<qsizetype>(length));
    return QByteArray(text, kLongest) + "...";
}

QString configurationFileOf(const QString &scriptPath, const QString &configurationFolder)
{
    return configurationFolder + QLatin1Char('/') + QFileInfo(scriptPath).completeBaseName() + QStringLiteral(".ini");
}

} // namespace

PluginHost::PluginHost(settings::Settings &settings, commands::CommandTable &commands, lang::TextTable &texts,
                       std::size_t memoryLimit)
    : m_settings(settings), m_commands(commands), m_texts(texts), m_memory(memoryLimit)
{
}

QString PluginHost::text(const char *key) const
{
    return m_texts.text(QLatin1String(key));
}

PluginHost::~PluginHost()
{
    m_unloadPending = false;
    m_activeCalls = 0;
    unloadPlugins();
}

PluginEditor &PluginHost::editor() const
{
    return m_editor ? *m_editor : g_closedEditor;
}

PluginWindow &PluginHost::window() const
{
    return m_window ? *m_window : g_closedWindow;
}

void PluginHost::debugOutput(const QByteArray &message)
{
    m_debug.setLogFile(m_settings.flag(QStringLiteral("scriptdebug")) && !m_dataFolder.isEmpty()
                           ? m_dataFolder + QStringLiteral("/scriptdebug.log")
                           : QString());
    m_debug.write(message);
}

void PluginHost::showMessage(const QString &caption, const QString &text, MessageIcon icon)
{
    if (m_dialogs) {
        const CallWatch::Pause waiting(m_watch);
        m_dialogs->showMessage(caption, text, icon);
    } else {
        debugOutput(caption.toUtf8() + ": " + text.toUtf8() + '\n');
    }
}

void PluginHost::loadPlugins(const QStringList &scriptFolders, const QString &configurationFolder)
{
    for (const QString &path : listScripts(scriptFolders))
        loadScript(path, configurationFolder);
}

void PluginHost::loadScript(const QString &path, const QString &configurationFolder)
{
    Plugin &plugin = m_table.record(path);
    plugin.configurationFile = configurationFileOf(path, configurationFolder);
    if (!QFileInfo::exists(plugin.configurationFile)) {
        QFile created(plugin.configurationFile);
        created.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    plugin.state = std::make_unique<ScriptState>(m_memory);
    if (!plugin.enabled)
        return;
    lua_State *lua = plugin.state->lua();
    if (!lua || !plugin.state->openLibraries() || !registerHostFunctions(lua, *this)) {
        plugin.state.reset();
        debugOutput("can't load " + path.toUtf8() + ":not enough memory\n");
        return;
    }
    lua_pushlightuserdata(lua, this);
    lua_setfield(lua, LUA_REGISTRYINDEX, kHostKey);
    lua_sethook(lua, watchHook, LUA_MASKCOUNT, kHookInstructions);

    if (!runChunk(plugin))
        return;
    // A script may end the program's run from any call, which closes its state: look again.
    if (!callScriptFunction(lua, QByteArrayLiteral("versionInfo")) && m_table.recordOf(lua))
        showMessage(path, text("PLUGIN_NOVERSIONINFO"), MessageIcon::Error);
    const Plugin *started = m_table.recordOf(lua);
    if (!started)
        return;
    if (!started->infoSet) {
        showMessage(path, text("PLUGIN_NOPLUGININFO"), MessageIcon::Error);
        return;
    }
    if (!callScriptFunction(lua, QByteArrayLiteral("initPlugin")) && m_table.recordOf(lua))
        showMessage(path, text("PLUGIN_NOINITPLUGIN"), MessageIcon::Error);
}

bool PluginHost::runChunk(Plugin &plugin)
{
    lua_State *lua = plugin.state->lua();
    Chunk chunk{QFile::encodeName(plugin.path)};
    if (watchedCall(lua, runFile, &chunk))
        return true;
    const QByteArray error = errorText(lua);
    debugOutput("can't load " + plugin.path.toUtf8() + ':' + error + '\n');
    // The record may be gone when the script ended the program's run meanwhile.
    const QString path = plugin.path;
    if (Plugin *stillThere = m_table.recordOf(lua))
        stillThere->state.reset();
    showMessage(path, lang::formatText(text("PLUGIN_NOTREAD"), {QString::fromUtf8(error)}), MessageIcon::None);
    return false;
}

bool PluginHost::watchedCall(lua_State *lua, lua_CFunction function, void *data)
{
    const Plugin *plugin = m_table.recordOf(lua);
    m_watch.begin(plugin ? plugin->displayName() : QString());
    ++m_activeCalls;
    const bool ran = lua_cpcall(lua, function, data) == 0;
    lua_sethook(lua, watchHook, LUA_MASKCOUNT, kHookInstructions);
    --m_activeCalls;
    m_watch.end();
    return ran;
}

bool PluginHost::callScriptFunction(lua_State *lua, const QByteArray &functionName)
{
    if (m_watch.questionOpen()) {
        debugOutput("not running `" + functionName + "' while the user is asked about a running plug-in\n");
        return false;
    }
    const int top = lua_gettop(lua);
    QByteArray name = functionName;
    window().markShownNoteModified();
    const bool ran = watchedCall(lua, callGlobal, &name);
    if (!ran)
        reportCallFailure(functionName, errorText(lua));
    lua_settop(lua, top);
    if (m_activeCalls == 0 && m_unloadPending)
        unloadPlugins();
    return ran;
}

void PluginHost::reportCallFailure(const QByteArray &functionName, const QByteArray &error)
{
    const QByteArray message = "\nERROR: can't run function `" + functionName + "': " + error + '\n';
    debugOutput(message);
    if (m_settings.flag(QStringLiteral("scriptdebug")))
        showMessage(
            text("PLUGIN_SCRIPTERROR"),
            lang::formatText(text("PLUGIN_CALLFAILED"), {QString::fromUtf8(functionName), QString::fromUtf8(error)}),
            MessageIcon::Warning);
}

void PluginHost::unloadPlugins()
{
    if (m_activeCalls > 0) {
        m_unloadPending = true;
        return;
    }
    m_unloadPending = false;
    m_table.closeStates();
    m_callbacks.clear();
    m_running = {};
}

} // namespace tabulet::plugins
