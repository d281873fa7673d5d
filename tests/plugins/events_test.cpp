#include "pluginfixture.h"

#include "commands/keynames.h"
#include "plugins/pluginmenu.h"

using namespace tabulet::plugins;
using namespace tabulet::plugins::testing;

namespace {

class PlainKeyNames final : public tabulet::commands::KeyNames
{
public:
    QString modifierName(tabulet::commands::Modifier modifier) const override
    {
        return modifier == tabulet::commands::Modifier::Ctrl ? QStringLiteral("Ctrl") : QStringLiteral("Other");
    }
    QString keyName(int virtualKey) const override { return QString(QChar(virtualKey)); }
};

using Events = PluginFixture;

// "label: text#shortcut, …" per submenu, submenus joined by " / ".
QString describe(const std::vector<PluginSubmenu> &menu)
{
    QStringList submenus;
    for (const PluginSubmenu &submenu : menu) {
        QStringList items;
        for (const PluginMenuItem &item : submenu.items)
            items << item.text;
        submenus << submenu.label + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    return submenus.join(QStringLiteral(" / "));
}

TEST_F(Events, menuGroupsEntriesByLabelInByteOrder)
{
    writeScript(QStringLiteral("1.lua"), pluginSource("Zeta", "tb:registerMenuEntry('Z1', 'f')"));
    writeScript(QStringLiteral("2.lua"), pluginSource("Alpha", "tb:registerMenuEntry('A1', 'f') "
                                                               "tb:setPluginMenuContext('later') "
                                                               "tb:registerMenuEntry('A2', 'f')"));
    writeScript(QStringLiteral("3.lua"),
                pluginSource("A plug-in with a name of thirty", "tb:registerMenuEntry('L', 'f')"));
    writeScript(
        QStringLiteral("4.lua"),
        "function versionInfo() tb:setPluginInfo('T1', '', '', '', '', '2.0.0') tb:setPluginMenuContext('Tools') end\n"
        "function initPlugin() tb:registerMenuEntry('T1a', 'f') end");
    writeScript(
        QStringLiteral("5.lua"),
        "function versionInfo() tb:setPluginInfo('T2', '', '', '', '', '2.0.0') tb:setPluginMenuContext('Tools') end\n"
        "function initPlugin() tb:registerMenuEntry('T2a', 'f') end");
    load();
    commands.setBinding(QStringLiteral("Plugin: T2a"), 'K', tabulet::commands::Modifier::Ctrl);
    EXPECT_EQ(
        describe(pluginMenu(host.callbacks(), commands, PlainKeyNames())),
        QStringLiteral("A plug-in with a nam: L# / Alpha: A1# / Tools: T1a#, T2a#Ctrl+K / Zeta: Z1# / later: A2#"));
}

TEST_F(Events, menuEntriesRunByIdOrByTheirBindingName)
{
    writeScript(QStringLiteral("m.lua"),
                pluginSource("M", "tb:registerMenuEntry('Count', 'count')", "n = 0 function count() n = n + 1 end"));
    load();
    const auto &entries = host.callbacks().callbacks(PluginEvent::MenuEntry);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_GE(entries[0].commandId, CallbackRegistry::kFirstCommandId);
    const auto *binding = commands.pluginBinding(QStringLiteral("Plugin: Count"));
    ASSERT_NE(binding, nullptr);
    EXPECT_TRUE(binding->writeToFile);

    EXPECT_TRUE(host.runPluginMenuCommand(entries[0].commandId));
    EXPECT_TRUE(host.runPluginCommandByName(QStringLiteral("Plugin: Count")));
    EXPECT_FALSE(host.runPluginCommandByName(QStringLiteral("Plugin: count")));
    EXPECT_FALSE(host.runPluginMenuCommand(kGetMorePluginsId));
    commands.setBinding(QStringLiteral("Plugin: Count"), 'K', tabulet::commands::Modifier::Ctrl);
    commands.setPluginCommandRunner(&host);
    EXPECT_TRUE(commands.dispatchKey(tabulet::commands::Modifier::Ctrl, 'K'));
    lua_State *lua = stateOf(pluginsFolder() + QStringLiteral("/m.lua"));
    lua_getglobal(lua, "n");
    EXPECT_EQ(lua_tointeger(lua, -1), 3);
    lua_pop(lua, 1);
}

TEST_F(Events, runawayMenuRegistrationStopsWithAClearError)
{
    settings.value(QStringLiteral("scriptdebug")) = QStringLiteral("1");
    EXPECT_FALSE(run("for i = 1, 10000 do tb:registerMenuEntry('Entry ' .. i, 'f') end"));
    EXPECT_EQ(host.callbacks().callbacks(PluginEvent::MenuEntry).size(), 1000u);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("at most 1000 menu entries")));
}

TEST_F(Events, fileEventsHandOverNamesAndBuffers)
{
    writeScript(QStringLiteral("f.lua"),
                pluginSource("F",
                             "tb:registerPreLoad('preLoad') tb:registerLoadBuffer('decode') "
                             "tb:registerPreSave('preSave') tb:registerSaveBuffer('encode')",
                             "function preLoad() tb:setLoadFilename(tb:getLoadFilename() .. '.other\\0ignored') end\n"
                             "function decode() tb:setLoadBuffer(tb:getLoadBuffer():upper()) end\n"
                             "function preSave() seen = tb:getSaveFilename() end\n"
                             "function encode() tb:setSaveBuffer(tb:getSaveBuffer() .. '\\0') end\n"));
    load();
    EXPECT_EQ(host.raisePreLoad(QStringLiteral("/notes/tab00001.rtf")), QStringLiteral("/notes/tab00001.rtf.other"));
    EXPECT_EQ(host.raiseLoadBuffer("{\\rtf1 a}"), QByteArray("{\\RTF1 A}"));
    EXPECT_EQ(host.raisePreSave(QStringLiteral("/notes/tab00001.rtf")), QStringLiteral("/notes/tab00001.rtf"));
    EXPECT_EQ(host.raiseSaveBuffer("abc"), QByteArray("abc\0", 4));
    EXPECT_FALSE(host.hasCallbacks(PluginEvent::PostLoad));
}

} // namespace
