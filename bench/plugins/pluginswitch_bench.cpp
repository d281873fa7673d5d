// The user's switch between two 1 MB notes, with and without plug-ins: the note window shown, a
// character typed into the shown note, then the command to the next tab. The changed note is
// saved (pre-save, save-buffer and post-save events), the next one shown (pre-load, load-buffer
// and post-load events; with plug-ins, a kept note's file is read again for them), and the typed
// character raised the selection event. Each figure runs from the command to the end of the
// editor's first paint after it ("paint"), and on until the new note is laid out completely
// ("laid out"). The plug-in sets, measured in turns: none, the plug-ins shipped with the program,
// and one plug-in with a callback for each of the seven note events, which counts its calls: the
// figures are only printed when every callback ran at every switch and the notes were saved.
#include "benchdatafolder.h"
#include "commands/commandid.h"
#include "firstpaint.h"
#include "plugins/pluginhost.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

using namespace tabulet;

namespace {

constexpr int kRounds = 3;
constexpr int kSwitches = 6;
constexpr qsizetype kNoteBytes = 1024 * 1024;

// The seven note events, as the registering functions name them.
constexpr std::array kNoteEvents{"SelectionChanged", "PreLoad",    "LoadBuffer", "PostLoad",
                                 "PreSave",          "SaveBuffer", "PostSave"};

// A callback for each note event, each counting its calls in `calls`.
constexpr char kEveryEventPlugin[] =
    "calls = {}\n"
    "function versionInfo() tb:setPluginInfo('Every event', '1', '', '', '', '2.1.0') end\n"
    "function initPlugin()\n"
    "  for _, event in ipairs({'SelectionChanged', 'PreLoad', 'LoadBuffer', 'PostLoad', 'PreSave', 'SaveBuffer',\n"
    "                          'PostSave'}) do\n"
    "    calls[event] = 0\n"
    "    _G['on' .. event] = function() calls[event] = calls[event] + 1 end\n"
    "    tb['register' .. event]('on' .. event)\n"
    "  end\n"
    "end\n";

enum class PluginSet { None, Shipped, EveryEvent };

const char *nameOf(PluginSet set)
{
    switch (set) {
    case PluginSet::None:
        return "no plug-ins";
    case PluginSet::Shipped:
        return "the shipped plug-ins";
    case PluginSet::EveryEvent:
        return "a plug-in on every note event";
    }
    return "";
}

QByteArray noteOf(char tag)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                     "{\\colortbl;\\red200\\green0\\blue0;}\\f0\\fs20 ";
    for (int paragraph = 0; rtf.size() < kNoteBytes; ++paragraph)
        rtf += "Note " + QByteArray(1, tag) + " paragraph " + QByteArray::number(paragraph) +
               " with {\\b bold words}, {\\i some italics}, {\\cf1 a coloured run} and {\\f1 fixed text} "
               "followed by plain text that fills the line.\\par\n";
    return rtf + "}";
}

// Two notes in a data folder, and a program folder of its own: the build's themes and languages,
// and the plug-ins of the set.
struct SwitchFolder : bench::BenchDataFolder
{
    explicit SwitchFolder(PluginSet set) : BenchDataFolder(QStringLiteral(TABULET_BINARY_DIR))
    {
        const QString binary = QStringLiteral(TABULET_BINARY_DIR);
        folders.programFolder = program.path();
        QFile::link(binary + QStringLiteral("/themes"), program.filePath(QStringLiteral("themes")));
        QFile::link(binary + QStringLiteral("/languages"), program.filePath(QStringLiteral("languages")));
        const QString plugins = folders.programPluginsFolder();
        if (set == PluginSet::Shipped)
            QFile::link(QStringLiteral(TABULET_SOURCE_DIR "/resources/plugins"), plugins);
        if (set == PluginSet::EveryEvent) {
            QDir().mkpath(plugins);
            QFile script(plugins + QStringLiteral("/everyevent.lua"));
            if (script.open(QIODevice::WriteOnly))
                script.write(kEveryEventPlugin);
        }
        QDir().mkpath(folders.pluginConfigFolder);
        for (const char tag : {'A', 'B'})
            write(QStringLiteral("tab0000%1.rtf").arg(tag == 'A' ? 1 : 2), noteOf(tag));
        write(QStringLiteral("tbu_config.xml"),
              "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n"
              "<option key=\"showtipsonstartup\" val=\"0\"/>\n<option key=\"activatekey\" val=\"0\"/>\n"
              "</options>\n<notes>\n"
              "<note id=\"0\" title=\"Note 1\" filename=\"tab00001.rtf\" visible=\"1\"/>\n"
              "<note id=\"1\" title=\"Note 2\" filename=\"tab00002.rtf\" visible=\"1\"/>\n"
              "</notes>\n</config>\n");
    }

    QByteArray note(int number) const
    {
        QFile file(data.filePath(QStringLiteral("tab0000%1.rtf").arg(number)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir program;
};

bool laidOut(const ui::NoteEditor &editor)
{
    const QTextLayout *last = editor.document()->lastBlock().layout();
    return last && last->lineCount() > 0;
}

double elapsedMs(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The calls counted by the every-event plug-in, in the order of kNoteEvents; empty without it.
std::vector<long long> callsCounted(plugins::PluginHost &host)
{
    std::vector<long long> counts;
    host.table().forEach([&](plugins::Plugin &plugin) {
        lua_State *lua = plugin.state ? plugin.state->lua() : nullptr;
        if (!lua)
            return;
        lua_getglobal(lua, "calls");
        if (!lua_istable(lua, -1)) {
            lua_pop(lua, 1);
            return;
        }
        for (const char *event : kNoteEvents) {
            lua_getfield(lua, -1, event);
            counts.push_back(lua_tointeger(lua, -1));
            lua_pop(lua, 1);
        }
        lua_pop(lua, 1);
    });
    return counts;
}

struct Times
{
    std::vector<double> paint;
    std::vector<double> laidOut;
    int plugins = 0; // started in the last window
};

// One window over a fresh folder, kSwitches switches; false with a message when something the
// figures rely on did not happen.
bool measure(PluginSet set, Times &times)
{
    const SwitchFolder folder(set);
    const QByteArray before[] = {folder.note(1), folder.note(2)};
    ui::ApplicationContext context(folder.folders);
    ui::MainWindow window(context);
    if (!window.initialise()) {
        std::fprintf(stderr, "no theme under %s\n", TABULET_BINARY_DIR);
        return false;
    }
    ui::NoteEditor &editor = window.editor();
    bool painted = false;
    bench::FirstPaint firstPaint([&](const QWidget &widget) { return &widget == editor.viewport(); },
                                 [&] { painted = true; });
    // Both notes shown once and laid out, as a user going back and forth has them.
    for (int i = 0; i <= 2; ++i) {
        if (i > 0)
            window.runCommand(commands::CommandId::ChangeToNextTab);
        bench::runEventsUntil([&] { return laidOut(editor); }, 10000);
    }
    for (int i = 0; i < kSwitches; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&editor, &press);
        QApplication::sendEvent(&editor, &release);
        painted = false;
        firstPaint.arm();
        QElapsedTimer clock;
        clock.start();
        window.runCommand(commands::CommandId::ChangeToNextTab);
        if (!bench::runEventsUntil([&] { return painted; }, 5000)) {
            std::fprintf(stderr, "%s: the note switched to was not painted\n", nameOf(set));
            return false;
        }
        times.paint.push_back(elapsedMs(clock));
        bench::runEventsUntil([&] { return laidOut(editor); }, 10000);
        times.laidOut.push_back(elapsedMs(clock));
    }
    const std::vector<long long> calls = callsCounted(context.plugins);
    times.plugins = 0;
    context.plugins.table().forEach([&](const plugins::Plugin &plugin) { times.plugins += plugin.state ? 1 : 0; });
    window.closeWithoutAsking();
    if (folder.note(1) == before[0] || folder.note(2) == before[1]) {
        std::fprintf(stderr, "%s: a changed note was not saved\n", nameOf(set));
        return false;
    }
    if (set == PluginSet::EveryEvent) {
        if (calls.size() != kNoteEvents.size()) {
            std::fprintf(stderr, "the every-event plug-in did not start\n");
            return false;
        }
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (calls[i] < kSwitches) {
                std::fprintf(stderr, "the %s callback ran %lld times in %d switches\n", kNoteEvents[i], calls[i],
                             kSwitches);
                return false;
            }
        }
    }
    return true;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr std::array kSets{PluginSet::None, PluginSet::Shipped, PluginSet::EveryEvent};
    std::array<Times, kSets.size()> times;
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t set = 0; set < kSets.size(); ++set) {
            if (!measure(kSets[set], times[set]))
                return 1;
        }
    }
    std::printf("switching between two 1 MB notes, a character typed before each; medians of %d switches\n",
                kRounds * kSwitches);
    const double nonePaint = median(times[0].paint);
    const double noneLaidOut = median(times[0].laidOut);
    for (std::size_t set = 0; set < kSets.size(); ++set) {
        const double paint = median(times[set].paint);
        const double laidOut = median(times[set].laidOut);
        std::printf("  %-30s (%d started) paint %7.2f ms (%.2fx), laid out %7.2f ms (%.2fx)\n", nameOf(kSets[set]),
                    times[set].plugins, paint, paint / nonePaint, laidOut, laidOut / noneLaidOut);
    }
    return 0;
}
