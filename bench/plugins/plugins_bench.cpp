// Figures of the plug-in host: the cost of the call protocol, the idle timer, reading and
// searching a large note from a script. The user's switch between notes with plug-ins is in
// pluginswitch_bench.cpp.
#include "commands/commandtable.h"
#include "lang/texttable.h"
#include "notegenerator.h"
#include "plugins/hostfunctions.h"
#include "plugins/pluginhost.h"
#include "settings/settings.h"
#include "ui/editor/noteeditor.h"
#include "ui/pluginhost/plugineditorbridge.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tabulet;

namespace {

constexpr qsizetype kNoteBytes = qsizetype{1} << 20;

struct Host
{
    settings::Settings settings;
    commands::CommandTable commands;
    lang::TextTable texts;
    plugins::PluginHost host{settings, commands, texts};
};

// A state with `tb` over the host, running the given code per benchmark iteration.
void runScript(benchmark::State &state, const char *code)
{
    Host host;
    plugins::ScriptState script;
    script.openLibraries();
    plugins::registerHostFunctions(script.lua(), host.host);
    for (auto _ : state) {
        if (luaL_dostring(script.lua(), code) != 0)
            state.SkipWithError(lua_tostring(script.lua(), -1));
    }
}

// A million calls of a trivial `tb` function: what the call protocol of one host function costs.
void BM_millionHostCalls(benchmark::State &state)
{
    runScript(state, "local xor = tb.xor for i = 1, 1000000 do xor(i, 3) end");
}
BENCHMARK(BM_millionHostCalls)->Unit(benchmark::kMillisecond);

// The same loop over a plain Lua function, for comparison.
void BM_millionLuaCalls(benchmark::State &state)
{
    runScript(state, "local function f(a, b) return a end for i = 1, 1000000 do f(i, 3) end");
}
BENCHMARK(BM_millionLuaCalls)->Unit(benchmark::kMillisecond);

// One tick of the once-a-second timer with ten plug-ins whose timer does nothing.
void BM_timerTickTenIdlePlugins(benchmark::State &state)
{
    QTemporaryDir folder;
    for (int i = 0; i < 10; ++i) {
        QFile script(folder.path() + QStringLiteral("/idle%1.lua").arg(i));
        script.open(QIODevice::WriteOnly);
        script.write("function versionInfo() tb:setPluginInfo('Idle', '1', '', '', '', '2.1.0') end\n"
                     "function initPlugin() tb:registerTimer('tick') end\nfunction tick() end\n");
    }
    Host host;
    host.host.loadPlugins({folder.path()}, folder.path());
    for (auto _ : state)
        host.host.raiseEvent(plugins::PluginEvent::Timer);
}
BENCHMARK(BM_timerTickTenIdlePlugins)->Unit(benchmark::kMicrosecond);

// A 1 MB note in the real editor, reached from a script. The widgets are made in SetUp: the
// fixture itself exists before the application does.
class LargeNote : public benchmark::Fixture
{
public:
    void SetUp(benchmark::State &) override
    {
        editor = std::make_unique<ui::NoteEditor>();
        bridge = std::make_unique<ui::PluginEditorBridge>(*editor);
        editor->showNoteBytes(bench::generateNote(kNoteBytes));
        host = std::make_unique<Host>();
        host->host.setEditor(bridge.get());
        script = std::make_unique<plugins::ScriptState>();
        script->openLibraries();
        plugins::registerHostFunctions(script->lua(), host->host);
    }
    void TearDown(benchmark::State &) override
    {
        script.reset();
        host.reset();
        bridge.reset();
        editor.reset();
    }
    void run(benchmark::State &state, const char *code)
    {
        for (auto _ : state) {
            if (luaL_dostring(script->lua(), code) != 0)
                state.SkipWithError(lua_tostring(script->lua(), -1));
        }
    }

    std::unique_ptr<ui::NoteEditor> editor;
    std::unique_ptr<ui::PluginEditorBridge> bridge;
    std::unique_ptr<Host> host;
    std::unique_ptr<plugins::ScriptState> script;
};

BENCHMARK_DEFINE_F(LargeNote, getTextOfWholeNote)(benchmark::State &state)
{
    run(state, "local ok, text = tb.getText(0, tb.getTextSize())");
}
BENCHMARK_REGISTER_F(LargeNote, getTextOfWholeNote)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(LargeNote, findMissingWord)(benchmark::State &state)
{
    run(state, "local found = tb.find('qwertzuiopmissing', {})");
}
BENCHMARK_REGISTER_F(LargeNote, findMissingWord)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
