#include "pluginfixture.h"

#include <tinyxml2.h>

using namespace tabulet::plugins;
using namespace tabulet::plugins::testing;

namespace {

using Loading = PluginFixture;

// The "plugins" element the table writes.
std::string writtenSection(const PluginTable &table)
{
    tinyxml2::XMLDocument document;
    table.writeSection(*document.InsertEndChild(document.NewElement("plugins"))->ToElement());
    tinyxml2::XMLPrinter printer(nullptr, true);
    document.Print(&printer);
    return printer.CStr();
}

void readSection(PluginTable &table, const char *xml)
{
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse(xml), tinyxml2::XML_SUCCESS);
    table.readSection(*document.FirstChildElement("plugins"));
}

TEST_F(Loading, findsScriptsInSubFoldersAndNamesSettingsFileAfterTheFileOnly)
{
    const QString path = writeScript(QStringLiteral("tools/deep/count.lua"), pluginSource("Count"));
    load();
    const Plugin *plugin = host.table().find(path);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->name, QStringLiteral("Count"));
    EXPECT_EQ(plugin->configurationFile, configurationFolder() + QStringLiteral("/count.ini"));
    EXPECT_TRUE(QFileInfo::exists(plugin->configurationFile));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Loading, perUserFolderComesFirstAndNoScriptLoadsTwice)
{
    const QString first = writeScript(QStringLiteral("a.lua"), pluginSource("A", "order = (order or '') .. 'a'"));
    QTemporaryDir shipped;
    QFile script(shipped.path() + QStringLiteral("/b.lua"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(pluginSource("B"));
    script.close();
    host.loadPlugins({pluginsFolder(), shipped.path(), pluginsFolder() + QStringLiteral("/")}, configurationFolder());
    EXPECT_EQ(host.table().size(), 2);
    EXPECT_NE(host.table().find(first), nullptr);
    EXPECT_NE(host.table().find(script.fileName()), nullptr);
}

TEST_F(Loading, disabledScriptNeverRunsAndIsWrittenBackDisabled)
{
    const QString path = writeScript(QStringLiteral("off.lua"), "error('top-level code ran')");
    const QByteArray xml = "<plugins><plugin path=\"" + path.toUtf8() + "\" enabled=\"0\"/></plugins>";
    readSection(host.table(), xml.constData());
    load();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(host.table().find(path)->enabled);
    EXPECT_EQ(writtenSection(host.table()), xml.toStdString());
}

TEST_F(Loading, scriptNotInTheConfigurationIsEnabled)
{
    const QString path = writeScript(QStringLiteral("new.lua"), pluginSource("New"));
    load();
    EXPECT_EQ(writtenSection(host.table()),
              "<plugins><plugin path=\"" + path.toStdString() + "\" enabled=\"1\"/></plugins>");
}

TEST_F(Loading, recordsWithoutScriptStayListedButAreNotWritten)
{
    readSection(host.table(), "<plugins><plugin path=\"C:\\Programs\\Tabulet\\plugins\\gone.lua\" enabled=\"1\"/>"
                              "<plugin enabled=\"0\"/></plugins>");
    load();
    ASSERT_EQ(host.table().size(), 1);
    const Plugin *gone = host.table().find(QStringLiteral("C:\\Programs\\Tabulet\\plugins\\gone.lua"));
    ASSERT_NE(gone, nullptr);
    EXPECT_TRUE(gone->name.isEmpty());
    EXPECT_EQ(writtenSection(host.table()), "<plugins/>");
}

TEST_F(Loading, brokenScriptShowsOneMessageUnderItsPathAndIsDropped)
{
    for (const char *source : {"function versionInfo( end", "error('broken at top level')"}) {
        SCOPED_TRACE(source);
        dialogs.shown.clear();
        const QString path = writeScript(QStringLiteral("broken.lua"), source);
        load();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, path);
        EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("This plugin could not be read:\n")));
        EXPECT_EQ(host.table().find(path)->state, nullptr);
        EXPECT_EQ(writtenSection(host.table()), "<plugins/>");
    }
}

TEST_F(Loading, missingStartFunctionsAreToldAndNothingIsRegistered)
{
    const QString noInfo =
        writeScript(QStringLiteral("noinfo.lua"), "function versionInfo() end\n"
                                                  "function initPlugin() tb:registerMenuEntry('Never', 'f') end");
    const QString noFunctions = writeScript(QStringLiteral("nofunctions.lua"), "x = 1");
    load();
    QStringList told;
    for (const ShownMessage &message : dialogs.shown)
        told << message.caption + QLatin1Char('|') + message.text;
    EXPECT_EQ(told,
              QStringList({
                  noFunctions + "|This plugin cannot start: its function versionInfo() is missing.",
                  noFunctions + "|This plugin cannot start: its function versionInfo() must call tb:setPluginInfo.",
                  noInfo + "|This plugin cannot start: its function versionInfo() must call tb:setPluginInfo.",
              }));
    EXPECT_FALSE(host.hasCallbacks(PluginEvent::MenuEntry));
    EXPECT_NE(host.table().find(noInfo)->state, nullptr);
}

constexpr const char *kNoVersionNumber =
    "This plugin names the Tabulet version it needs in a form that is no version number.";

struct VersionCase
{
    const char *name;
    const char *required;
    const char *message; // "" for none
};

class RequiredVersion : public PluginFixture, public ::testing::WithParamInterface<VersionCase>
{
};

TEST_P(RequiredVersion, isCheckedButNeverStopsThePlugin)
{
    writeScript(QStringLiteral("v.lua"), "function versionInfo() tb:setPluginInfo('V', '1', '', '', '', '" +
                                             QByteArray(GetParam().required) +
                                             "') end\nfunction initPlugin() tb:registerMenuEntry('Run', 'run') end");
    load();
    if (*GetParam().message) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("Plugin version"));
        EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(GetParam().message));
    } else {
        EXPECT_TRUE(dialogs.shown.empty());
    }
    EXPECT_TRUE(host.hasCallbacks(PluginEvent::MenuEntry));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RequiredVersion,
    ::testing::Values(VersionCase{"newer", "2.2.0", "This plugin needs a newer version of Tabulet."},
                      VersionCase{"same", "2.1.23", ""}, VersionCase{"older", "1.9.99", ""},
                      VersionCase{"twoParts", "2.1", ""}, VersionCase{"noDot", "2", kNoVersionNumber},
                      VersionCase{"fourParts", "1.2.3.4", kNoVersionNumber}),
    caseName<VersionCase>);

TEST_F(Loading, scriptsFindTheLibrariesOfLua50ButNoDebugLibrary)
{
    ASSERT_TRUE(run("result = table.concat({type(loadlib), type(table.getn), type(string.gfind), type(math.mod),"
                    " type(io.open), type(os.time), type(coroutine.create), type(debug)}, ' ')"));
    EXPECT_EQ(global("result"), QStringLiteral("function function function function function function function nil"));
    EXPECT_FALSE(run("os.exit(1)"));
}

TEST_F(Loading, runawayScriptsGetErrorsNotACrash)
{
    struct Case
    {
        const char *code;
        const char *error;
    };
    const Case cases[] = {
        {"local function f() return 1 + f() end f()", "stack overflow"},
        {"local function f(s) return (s:gsub('.', f)) end f('ab')", "C stack overflow"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_FALSE(run(c.code));
        ASSERT_EQ(lua_gettop(testState()), 0);
    }
    ASSERT_TRUE(run("collectgarbage() ok = 1"));
    EXPECT_EQ(global("ok"), QStringLiteral("1"));
}

TEST(ScriptState, boundsTheMemoryAScriptMayTake)
{
    ScriptState state(std::size_t{4} << 20);
    ASSERT_TRUE(state.openLibraries());
    lua_State *lua = state.lua();
    ASSERT_NE(luaL_dostring(lua, "local t = {} for i = 1, 1e9 do t[i] = string.rep('x', 1000) .. i end"), 0);
    EXPECT_STREQ(lua_tostring(lua, -1), "not enough memory");
    EXPECT_LE(state.memoryInUse(), std::size_t{4} << 20);
}

TEST_F(Loading, allScriptsShareOneMemoryBudget)
{
    // Each keeps over 6 MiB: two fit into 16 MiB together, the third does not.
    PluginHost sharing(settings, commands, texts, std::size_t{16} << 20);
    sharing.setDialogs(&dialogs);
    for (const char *name : {"a", "b", "c"})
        writeScript(
            QStringLiteral("%1.lua").arg(QLatin1String(name)),
            pluginSource(name, "local t = {} for i = 1, 6000 do t[i] = string.rep('x', 1024) .. i end kept = t"));
    const auto keeps = [&](const char *name) {
        const Plugin *plugin =
            sharing.table().find(pluginsFolder() + QStringLiteral("/%1.lua").arg(QLatin1String(name)));
        if (!plugin || !plugin->state)
            return false;
        lua_getglobal(plugin->state->lua(), "kept");
        const bool kept = lua_istable(plugin->state->lua(), -1);
        lua_pop(plugin->state->lua(), 1);
        return kept;
    };
    // A closed state gives its memory back: the second round fares as the first.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        sharing.loadPlugins({pluginsFolder()}, configurationFolder());
        EXPECT_TRUE(keeps("a"));
        EXPECT_TRUE(keeps("b"));
        EXPECT_FALSE(keeps("c"));
        sharing.unloadPlugins();
    }
}

TEST_F(Loading, unloadClosesStatesButKeepsRecordsWithoutOne)
{
    readSection(host.table(), "<plugins><plugin path=\"/nowhere/x.lua\" enabled=\"1\"/></plugins>");
    writeScript(QStringLiteral("t.lua"), pluginSource("T", "tb:registerTimer('tick')"));
    load();
    ASSERT_EQ(host.table().size(), 2);
    host.unloadPlugins();
    EXPECT_EQ(host.table().size(), 1);
    EXPECT_FALSE(host.hasCallbacks(PluginEvent::Timer));
}

} // namespace
