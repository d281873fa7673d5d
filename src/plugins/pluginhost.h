#pragma once

#include "commands/commandtarget.h"
#include "plugins/callbackregistry.h"
#include "plugins/callwatch.h"
#include "plugins/debugoutput.h"
#include "plugins/filebuffers.h"
#include "plugins/plugintable.h"
#include "plugins/pluginwindow.h"
#include "plugins/scriptstate.h"

#include <QStringList>

#include <array>
#include <memory>

namespace tabulet::commands {
class CommandTable;
}
namespace tabulet::settings {
class Settings;
}

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::plugins {

class PluginEditor;

// Runs the Lua plug-ins: finds and starts the scripts, calls into them, raises their events and
// runs their menu entries. Lives as long as the program; the note window hands it its editor,
// itself and the message boxes while it exists. Without them every script function that needs
// them does nothing and gives its "false" or empty result.
class PluginHost final : public commands::PluginCommandRunner
{
public:
    // All scripts together may take `memoryLimit` bytes. The host's messages come from `texts`.
    PluginHost(settings::Settings &settings, commands::CommandTable &commands, lang::TextTable &texts,
               std::size_t memoryLimit = ScriptState::kMemoryLimit);
    ~PluginHost() override;
    PluginHost(const PluginHost &) = delete;
    PluginHost &operator=(const PluginHost &) = delete;

    PluginTable &table() { return m_table; }
    const PluginTable &table() const { return m_table; }
    const CallbackRegistry &callbacks() const { return m_callbacks; }

    void setEditor(PluginEditor *editor) { m_editor = editor; }
    void setWindow(PluginWindow *window) { m_window = window; }
    void setDialogs(PluginDialogs *dialogs) { m_dialogs = dialogs; }
    // The data folder of this run; "scriptdebug.log" is kept there.
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }
    void setClock(CallWatch::Clock clock) { m_watch.setClock(std::move(clock)); }
    // The language the program's texts are in (its language file's code, "de"): scripts read it
    // to speak it, and dates they ask for are written in its form.
    void setLanguage(const QString &code) { m_language = code; }
    const QString &language() const { return m_language; }

    // Finds every "*.lua" below the script folders (each recursively, in the order given, the
    // same file never twice) and starts each enabled script: top-level code, `versionInfo`,
    // `initPlugin`. Settings files are made in the configuration folder.
    void loadPlugins(const QStringList &scriptFolders, const QString &configurationFolder);
    // Closes every state and empties the callbacks. Asked while a plug-in call is running, it
    // happens as soon as the outermost call has returned.
    void unloadPlugins();

    // Calls a script's global function without arguments or results, watched; reports a
    // failure and leaves the script's stack as it found it. The note shown is marked modified
    // first (see PluginWindow::markShownNoteModified). False when the call failed or could not
    // start.
    bool callScriptFunction(lua_State *lua, const QByteArray &functionName);
    // Runs every callback of the kind in registration order, unless that kind is running.
    void raiseEvent(PluginEvent kind);
    bool hasCallbacks(PluginEvent kind) const { return !m_callbacks.callbacks(kind).empty(); }

    // The file events around reading and writing a note: each stores what it is given, raises
    // its event and returns what the plug-ins left (names in the file system's encoding).
    QString raisePreLoad(const QString &path);
    QByteArray raiseLoadBuffer(const QByteArray &bytes);
    QString raisePreSave(const QString &path);
    QByteArray raiseSaveBuffer(const QByteArray &bytes);
    FileBuffers &fileBuffers() { return m_buffers; }
    // While a note is read, from its pre-load event until it is shown, the text shown is the
    // note left: the current line is then no note's.
    void setNoteLoading(bool loading) { m_noteLoading = loading; }
    bool noteLoading() const { return m_noteLoading; }
    // The keyboard's record of the last key; not owned. Without one, scripts read zeros.
    void setLastKeyRecord(const LastKey *record) { m_lastKey = record; }
    LastKey lastKey() const { return m_lastKey ? *m_lastKey : LastKey{}; }

    // A plug-in menu entry chosen by its command id; true when one ran.
    bool runPluginMenuCommand(unsigned commandId);
    // A plug-in entry bound to a shortcut, by "Plugin: " and its menu text; true when one ran.
    bool runPluginCommandByName(const QString &name) override;

    // What the script functions use.
    PluginEditor &editor() const;
    PluginWindow &window() const;
    PluginDialogs *dialogs() const { return m_dialogs; }
    CallWatch &watch() { return m_watch; }
    settings::Settings &settings() { return m_settings; }
    // A text of the host's messages, by its key in the language file.
    QString text(const char *key) const;
    commands::CommandTable &commands() { return m_commands; }
    CallbackRegistry &registry() { return m_callbacks; }
    void debugOutput(const QByteArray &message);
    // A message box when there are message boxes, else the debug output.
    void showMessage(const QString &caption, const QString &text, MessageIcon icon);

private:
    void loadScript(const QString &path, const QString &configurationFolder);
    bool runChunk(Plugin &plugin);
    bool watchedCall(lua_State *lua, lua_CFunction function, void *data);
    void reportCallFailure(const QByteArray &functionName, const QByteArray &error);

    settings::Settings &m_settings;
    commands::CommandTable &m_commands;
    lang::TextTable &m_texts;
    // Before the table: the states give their memory back to it as they close.
    MemoryBudget m_memory;
    PluginTable m_table;
    CallbackRegistry m_callbacks;
    std::array<bool, kPluginEventCount> m_running{};
    FileBuffers m_buffers;
    bool m_noteLoading = false;
    const LastKey *m_lastKey = nullptr;
    CallWatch m_watch;
    DebugOutput m_debug;
    QString m_dataFolder;
    QString m_language;
    PluginEditor *m_editor = nullptr;
    PluginWindow *m_window = nullptr;
    PluginDialogs *m_dialogs = nullptr;
    int m_activeCalls = 0;
    bool m_unloadPending = false;
};

} // namespace tabulet::plugins
