// The options sheet through the note window, as the user meets it: Ctrl+O until the sheet is
// shown and has had its first pass of the event loop ("open"), then OK until the window has
// taken everything over (hotkey registered, tray picture set, notes and tabs restyled, the shown
// note saved and reloaded, the configuration written) and has handled the events that follow
// ("OK"). Medians of several runs, with a 20 KB and a 1 MB note shown, against the targets; OK
// once as it mostly is (the notes' default font as before) and once with a new default font, which
// lays the shown note out again.
#include "commands/commandid.h"
#include "benchdatafolder.h"
#include "ui/applicationcontext.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tabulet;

namespace {

constexpr int kRuns = 9;
constexpr double kOpenTargetMs = 150;
constexpr double kApplyTargetMs = 50;

QByteArray noteOf(qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    for (int paragraph = 0; rtf.size() < bytes; ++paragraph)
        rtf += "Paragraph " + QByteArray::number(paragraph) + " with {\\b bold words} and plain text.\\par\n";
    return rtf + "}";
}

// A data folder with one note of the given size, 500 plug-in records and 200 plug-in bindings.
struct NoteFolder : bench::BenchDataFolder
{
    explicit NoteFolder(qsizetype noteBytes) : BenchDataFolder(QStringLiteral(TABULET_BINARY_DIR))
    {
        write(QStringLiteral("tab00001.rtf"), noteOf(noteBytes));
        QByteArray plugins;
        for (int i = 0; i < 500; ++i)
            plugins += "<plugin path=\"/plugins/script" + QByteArray::number(i) + ".lua\" enabled=\"1\"/>\n";
        QByteArray bindings;
        for (int i = 0; i < 200; ++i)
            bindings += "<command name=\"Plugin: entry " + QByteArray::number(i) + "\" key=\"0\" mod=\"\"/>\n";
        write(QStringLiteral("tbu_config.xml"),
              "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n"
              "<option key=\"showtipsonstartup\" val=\"0\"/>\n<option key=\"activatekey\" val=\"0\"/>\n"
              "</options>\n<notes>\n<note id=\"0\" title=\"Note\" filename=\"tab00001.rtf\" visible=\"1\"/>\n"
              "</notes>\n<commands>\n" +
                  bindings + "</commands>\n<plugins>\n" + plugins + "</plugins>\n</config>\n");
    }
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Figures
{
    double openMs;
    double applyMs;
};

// newFont: each run's OK brings another default font (the options are changed before the sheet
// opens, so that the sheet hands them over as the user's choice).
Figures measure(qsizetype noteBytes, bool newFont)
{
    const NoteFolder folder(noteBytes);
    ui::ApplicationContext context(folder.folders);
    ui::MainWindow window(context);
    if (!window.initialise()) {
        std::fprintf(stderr, "no theme under %s\n", TABULET_BINARY_DIR);
        return {};
    }
    QApplication::processEvents();
    std::vector<double> opens;
    std::vector<double> applies;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        QTimer::singleShot(0, &window, [&] {
            opens.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            clock.restart();
            if (auto *sheet = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                sheet->accept();
        });
        if (newFont)
            context.settings.value(QStringLiteral("defaultfont")) =
                run % 2 == 0 ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans");
        clock.start();
        window.runCommand(commands::CommandId::ShowOptions);
        QApplication::processEvents();
        applies.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    window.closeWithoutAsking();
    return {median(opens), median(applies)};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("options through the note window (500 plug-ins, 200 plug-in bindings), median of %d runs\n", kRuns);
    for (const qsizetype bytes : {qsizetype(20 * 1024), qsizetype(1024 * 1024)}) {
        for (const bool newFont : {false, true}) {
            const Figures figures = measure(bytes, newFont);
            std::printf("  note of %4lld KB%s: open %7.2f ms (%.2f of the %.0f ms target), OK %7.2f ms (%.2f of the "
                        "%.0f ms target)\n",
                        static_cast<long long>(bytes / 1024), newFont ? ", new font" : "          ", figures.openMs,
                        figures.openMs / kOpenTargetMs, kOpenTargetMs, figures.applyMs,
                        figures.applyMs / kApplyTargetMs, kApplyTargetMs);
        }
    }
    return 0;
}
