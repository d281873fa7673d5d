// Figures for the options sheet, each the median of several runs: opening it (building all nine
// pages, showing it, until its first paint, of the page in view, has ended) with the 49 commands, 200 plug-in bindings
// and 500 plug-ins beside opening it with none of those, and OK (every page's check and write, then applyOptions into
// the program's options, bindings and plug-in table; the hotkey registration and the tray are left out, since they wait
// on the desktop), with the ratios to the targets.
#include "firstpaint.h"
#include "lang/languagefiles.h"
#include "lang/texttable.h"
#include "medianms.h"
#include "platform/qtkeynames.h"
#include "plugins/plugintable.h"
#include "settings/folderset.h"
#include "ui/dialogs/options/optionsapply.h"
#include "ui/dialogs/options/optionssheet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace tabulet;

namespace {

constexpr int kRuns = 9;
constexpr int kPluginBindings = 200;
constexpr int kPlugins = 500;
constexpr double kOpenTargetMs = 150;
constexpr double kApplyTargetMs = 50;

double medianMs(const std::function<void()> &prepare, const std::function<void()> &work)
{
    return bench::medianMs(kRuns, prepare, work);
}

struct Program
{
    settings::Settings settings;
    commands::CommandTable commands;
    plugins::PluginTable plugins;
};

void fill(Program &program, bool loaded)
{
    program.settings.applyDefaults();
    if (!loaded)
        return;
    for (int i = 0; i < kPluginBindings; ++i)
        program.commands.setBinding(QStringLiteral("Plugin: entry %1").arg(i, 3, 10, QLatin1Char('0')), 'A' + i % 26,
                                    commands::Modifier::Ctrl | commands::Modifier::Alt);
    for (int i = 0; i < kPlugins; ++i) {
        plugins::Plugin &plugin = program.plugins.record(QStringLiteral("/plugins/script%1.lua").arg(i));
        plugin.name = QStringLiteral("Script number %1").arg(i);
        plugin.enabled = i % 3 != 0;
    }
}

struct Figures
{
    double openMs;
    double applyMs;
    bool unpainted; // a sheet shown was not painted within five seconds
};

Figures measure(bool loaded)
{
    Program program;
    fill(program, loaded);
    lang::TextTable texts;
    const platform::QtKeyNames keyNames;
    const settings::FolderSet folders;
    const std::vector<lang::InstalledLanguage> languages{
        {QStringLiteral("deutsch.tabulang"), QStringLiteral("Deutsch")},
        {QStringLiteral("english.tabulang"), QStringLiteral("English")}};
    std::unique_ptr<ui::OptionsSheet> sheet;
    bool painted = false;
    bench::FirstPaint firstPaint([&](const QWidget &widget) { return widget.window() == sheet.get(); },
                                 [&] { painted = true; });
    Figures figures{};
    const auto open = [&] {
        sheet = std::make_unique<ui::OptionsSheet>(
            ui::optionsWorkOf(program.settings, program.commands, program.plugins, languages), texts, keyNames,
            folders, ui::OptionsServices::system(texts, keyNames, QString()));
        painted = false;
        firstPaint.arm();
        sheet->show();
        if (!bench::runEventsUntil([&] { return painted; }, 5000))
            figures.unpainted = true;
    };
    figures.openMs = medianMs([&] { sheet.reset(); }, open);
    figures.applyMs = medianMs(open, [&] {
        sheet->accept();
        ui::applyOptions(sheet->work(), {program.settings, program.commands, program.plugins, [] {}, [] {}});
    });
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    // Offscreen without a display; under X (xvfb-run) showing includes mapping the window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measure(false); // warms fonts and styles up
    const Figures empty = measure(false);
    const Figures loaded = measure(true);
    if (empty.unpainted || loaded.unpainted) {
        std::fprintf(stderr, "the options sheet was shown but never painted\n");
        return 1;
    }
    std::printf("options sheet, median of %d runs\n", kRuns);
    std::printf("  open, no plug-ins or bindings:            %8.2f ms\n", empty.openMs);
    std::printf("  open, %d plug-ins, %d plug-in bindings: %8.2f ms  (%.2f x the empty sheet, %.2f of the %.0f ms target)\n",
                kPlugins, kPluginBindings, loaded.openMs, loaded.openMs / empty.openMs, loaded.openMs / kOpenTargetMs,
                kOpenTargetMs);
    std::printf("  OK, no plug-ins or bindings:              %8.2f ms\n", empty.applyMs);
    std::printf("  OK, %d plug-ins, %d plug-in bindings:   %8.2f ms  (%.2f x the empty sheet, %.2f of the %.0f ms target)\n",
                kPlugins, kPluginBindings, loaded.applyMs, loaded.applyMs / empty.applyMs, loaded.applyMs / kApplyTargetMs,
                kApplyTargetMs);
    return 0;
}
