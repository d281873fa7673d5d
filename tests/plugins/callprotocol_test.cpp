#include "pluginfixture.h"

using namespace tabulet::plugins;
using namespace tabulet::plugins::testing;

namespace {

using CallProtocol = PluginFixture;

TEST_F(CallProtocol, failingTimerReportsEveryTickAndLeavesTheStackAsItWas)
{
    const QString path = writeScript(QStringLiteral("t.lua"), pluginSource("T", "tb:registerTimer('tick')",
                                                                           "function tick() error('tick failed') end"));
    load();
    lua_State *lua = stateOf(path);
    host.raiseEvent(PluginEvent::Timer);
    lua_gc(lua, LUA_GCCOLLECT, 0);
    const int kilobytesBefore = lua_gc(lua, LUA_GCCOUNT, 0);
    for (int i = 0; i < 1000; ++i)
        host.raiseEvent(PluginEvent::Timer);
    EXPECT_EQ(lua_gettop(lua), 0);
    lua_gc(lua, LUA_GCCOLLECT, 0);
    EXPECT_LE(lua_gc(lua, LUA_GCCOUNT, 0), kilobytesBefore + 4);
    EXPECT_TRUE(dialogs.shown.empty()); // "scriptdebug" is off: the debug output only

    settings.value(QStringLiteral("scriptdebug")) = QStringLiteral("1");
    host.raiseEvent(PluginEvent::Timer);
    host.raiseEvent(PluginEvent::Timer);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("script error"));
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("The plugin function tick failed:\n")));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("tick failed")));
    QFile log(folder.path() + QStringLiteral("/scriptdebug.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("tick failed"), 2);
}

TEST(DebugOutput, logKeepsItsLastMebibyte)
{
    QTemporaryDir folder;
    DebugOutput output;
    output.setLogFile(folder.path() + QStringLiteral("/scriptdebug.log"));
    const QByteArray line = QByteArray(1023, 'x') + '\n';
    for (int i = 0; i < 1400; ++i)
        output.write(i == 1399 ? QByteArray("last message\n") : line);
    QFile log(output.logFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray kept = log.readAll();
    EXPECT_LE(kept.size(), DebugOutput::kLogLimit + DebugOutput::kLogLimit / 4);
    EXPECT_GE(kept.size(), DebugOutput::kLogLimit / 2);
    EXPECT_TRUE(kept.endsWith("last message\n"));
}

TEST_F(CallProtocol, eachCallLooksTheFunctionUpAgain)
{
    EXPECT_TRUE(run("function later() n = 1 end"));
    EXPECT_TRUE(host.callScriptFunction(testState(), "later"));
    EXPECT_TRUE(run("later = nil"));
    EXPECT_FALSE(host.callScriptFunction(testState(), "later"));
    EXPECT_TRUE(run("setmetatable(_G, {__index = function() error('no such global') end})"));
    EXPECT_FALSE(host.callScriptFunction(testState(), "missing"));
    EXPECT_EQ(lua_gettop(testState()), 0);
}

TEST_F(CallProtocol, timerThatOpensAMessageIsNotEnteredAgainMeanwhile)
{
    writeScript(QStringLiteral("t.lua"),
                pluginSource("T", "tb:registerTimer('tick')",
                             "ticks = 0 function tick() ticks = ticks + 1 tb:alert('tick') end"));
    load();
    int nested = 0;
    dialogs.whileOpen = [&] {
        if (++nested < 5)
            host.raiseEvent(PluginEvent::Timer); // the timer keeps firing while the box is open
    };
    host.raiseEvent(PluginEvent::Timer);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    dialogs.whileOpen = nullptr;
    host.raiseEvent(PluginEvent::Timer);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

// The watch reads a clock that advances 100 ms at each look, so "5 seconds" pass quickly.
class RunawayCall : public PluginFixture
{
protected:
    RunawayCall()
    {
        host.setClock([this] { return now += 100; });
    }
    qint64 now = 0;
};

TEST_F(RunawayCall, userStopsAnEndlessLoopWhichNoPcallCanCatch)
{
    EXPECT_FALSE(run("while true do pcall(function() while true do end end) end"));
    EXPECT_EQ(dialogs.stopQuestions, QStringList{QStringLiteral("Test after 5 s")});
    settings.value(QStringLiteral("scriptdebug")) = QStringLiteral("1");
    dialogs.stop = true;
    EXPECT_FALSE(run("while true do end"));
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_TRUE(dialogs.shown.back().text.endsWith(QStringLiteral("script stopped by the user")));
    EXPECT_TRUE(run("afterwards = 1"));
    EXPECT_EQ(lua_gettop(testState()), 0);
}

TEST_F(RunawayCall, goOnAsksAgainFifteenSecondsLater)
{
    dialogs.stop = false;
    int questions = 0;
    dialogs.whileOpen = [&] {
        dialogs.stop = ++questions == 3;
    };
    EXPECT_FALSE(run("while true do end"));
    EXPECT_EQ(dialogs.stopQuestions, QStringList({QStringLiteral("Test after 5 s"), QStringLiteral("Test after 20 s"),
                                                  QStringLiteral("Test after 35 s")}));
}

TEST_F(RunawayCall, noOtherCallStartsWhileTheQuestionIsOpen)
{
    writeScript(QStringLiteral("t.lua"),
                pluginSource("T", "tb:registerTimer('tick')", "function tick() ticked = 1 end"));
    dialogs.whileOpen = [&] {
        host.raiseEvent(PluginEvent::Timer);
    };
    EXPECT_FALSE(run("while true do end"));
    ASSERT_EQ(dialogs.stopQuestions.size(), 1);
    lua_State *timer = stateOf(pluginsFolder() + QStringLiteral("/t.lua"));
    lua_getglobal(timer, "ticked");
    EXPECT_TRUE(lua_isnil(timer, -1));
}

TEST_F(RunawayCall, timeWaitingOnTheUserDoesNotCount)
{
    dialogs.whileOpen = [&] {
        now += 60'000;
    };
    EXPECT_TRUE(run("for i = 1, 3 do tb:alert('wait') tb:confirm('sure?') end"));
    EXPECT_TRUE(dialogs.stopQuestions.isEmpty());
}

TEST_F(CallProtocol, scriptEndingTheRunFromATimerClosesStatesOnlyAfterTheCall)
{
    writeScript(QStringLiteral("t.lua"),
                pluginSource("T", "tb:registerTimer('tick') tb:registerTimer('tick')",
                             "function tick() tb.callMenuCommand('exit') tb:alert(tb.getTextSize()) end"));
    load();
    window.onCommand = [&](tabulet::commands::CommandId id) {
        if (id == tabulet::commands::CommandId::Exit) {
            host.setEditor(nullptr);
            host.setWindow(nullptr);
            host.unloadPlugins();
        }
    };
    host.raiseEvent(PluginEvent::Timer);
    EXPECT_EQ(window.commandsRun.size(), 1u);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("0"));
    EXPECT_EQ(host.table().size(), 0);
    EXPECT_FALSE(host.hasCallbacks(PluginEvent::Timer));
}

} // namespace
