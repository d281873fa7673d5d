#pragma once

#include "commands/commandtable.h"
#include "fakewindow.h"
#include "lang/texttable.h"
#include "plugins/pluginhost.h"
#include "printers.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tabulet::plugins::testing {

// Names a parameterised case after the `name` field of its parameter.
template<typename Case> std::string caseName(const ::testing::TestParamInfo<Case> &testCase)
{
    return testCase.param.name;
}

// The shipped English texts, in which the host's messages are checked.
inline lang::TextTable englishTexts()
{
    lang::TextTable texts;
    EXPECT_TRUE(texts.loadLanguageFile(QStringLiteral(TABULET_SOURCE_DIR "/resources/languages/english.tabulang")));
    return texts;
}

// A plug-in host over a fake note window, with scripts in a temporary plug-ins folder.
class PluginFixture : public ::testing::Test
{
protected:
    PluginFixture()
    {
        host.setEditor(&editor);
        host.setWindow(&window);
        host.setDialogs(&dialogs);
        host.setDataFolder(folder.path());
        QDir(folder.path()).mkpath(QStringLiteral("plugins"));
        QDir(folder.path()).mkpath(QStringLiteral("pluginCFG"));
    }

    QString pluginsFolder() const { return folder.path() + QStringLiteral("/plugins"); }
    QString configurationFolder() const { return folder.path() + QStringLiteral("/pluginCFG"); }

    // Writes a script below the plug-ins folder and returns its full path.
    QString writeScript(const QString &relativePath, const QByteArray &source)
    {
        const QString path = pluginsFolder() + QLatin1Char('/') + relativePath;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(source);
        return path;
    }

    // A well-behaved plug-in named `name`; `init` is the body of its initPlugin.
    static QByteArray pluginSource(const QByteArray &name, const QByteArray &init = {}, const QByteArray &more = {})
    {
        return "function versionInfo() tb:setPluginInfo('" + name + "', '1.0', 'A', 'a@b', 'http://x', '2.1.0') end\n" +
               "function initPlugin() " + init + " end\n" + more;
    }

    void load() { host.loadPlugins({pluginsFolder()}, configurationFolder()); }

    lua_State *stateOf(const QString &path) const
    {
        const Plugin *plugin = host.table().find(path);
        return plugin && plugin->state ? plugin->state->lua() : nullptr;
    }

    // Loads one plug-in "test.lua" (once) and runs the code as a script function through the
    // host's call protocol; returns whether the call succeeded.
    bool run(const QByteArray &code)
    {
        if (!m_testState) {
            writeScript(QStringLiteral("test.lua"), pluginSource("Test"));
            load();
            m_testState = stateOf(pluginsFolder() + QStringLiteral("/test.lua"));
        }
        if (luaL_loadstring(m_testState, code.constData()) != 0) {
            ADD_FAILURE() << lua_tostring(m_testState, -1);
            lua_pop(m_testState, 1);
            return false;
        }
        lua_setglobal(m_testState, "testCall");
        return host.callScriptFunction(m_testState, "testCall");
    }

    // A global of the test plug-in, as Lua's tostring() shows it.
    QString global(const char *name) const
    {
        lua_getglobal(m_testState, "tostring");
        lua_getglobal(m_testState, name);
        lua_call(m_testState, 1, 1);
        const QString text = QString::fromUtf8(lua_tostring(m_testState, -1));
        lua_pop(m_testState, 1);
        return text;
    }

    lua_State *testState() const { return m_testState; }

    QTemporaryDir folder;
    settings::Settings settings;
    commands::CommandTable commands;
    FakeEditor editor;
    FakeWindow window;
    FakeDialogs dialogs;
    // The host's messages in English, as shipped.
    lang::TextTable texts = englishTexts();
    PluginHost host{settings, commands, texts};

private:
    lua_State *m_testState = nullptr;
};

} // namespace tabulet::plugins::testing
