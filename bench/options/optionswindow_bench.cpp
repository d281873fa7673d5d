// The options sheet through the note window, as the user meets it: Ctrl+O until the sheet's first
// paint has ended ("open"), then OK until the window has taken everything over (hotkey
// registered, tray picture set, notes and tabs restyled, the shown note saved and reloaded, the
// configuration written) and has handled the events that follow ("OK"), and on from OK until the
// shown note is laid out completely again ("laid out": Qt lays a long note out in slices on the
// main thread after OK has returned). Medians of several runs, with a 20 KB and a 1 MB note
// shown, against the targets; OK once as it mostly is (the notes' default font as before) and
// once with a new default font, which lays the shown note out again.
#include "benchdatafolder.h"
#include "commands/commandid.h"
#include "firstpaint.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
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
    double laidOutMs;
    bool unpainted; // a sheet was shown but not painted within ten seconds
};

double elapsedMs(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

bool laidOut(const ui::NoteEditor &editor)
{
    const QTextLayout *last = editor.document()->lastBlock().layout();
    return last && last->lineCount() > 0;
}

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
    Figures figures{};
    std::vector<double> opens;
    std::vector<double> applies;
    std::vector<double> laidOuts;
    QElapsedTimer clock;
    const auto acceptSheet = [] {
        if (auto *sheet = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            sheet->accept();
    };
    bench::FirstPaint firstPaint(
        [](const QWidget &painted) { return qobject_cast<const QDialog *>(painted.window()) != nullptr; },
        [&] {
            opens.push_back(elapsedMs(clock));
            clock.restart();
            acceptSheet();
        });
    for (int run = 0; run < kRuns; ++run) {
        firstPaint.arm();
        // Closes a sheet that never paints, so that the run ends.
        QTimer unpainted;
        unpainted.setSingleShot(true);
        QObject::connect(&unpainted, &QTimer::timeout, [&] {
            figures.unpainted = true;
            acceptSheet();
        });
        unpainted.start(10000);
        if (newFont)
            context.settings.value(QStringLiteral("defaultfont")) =
                run % 2 == 0 ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans");
        clock.start();
        window.runCommand(commands::CommandId::ShowOptions);
        QApplication::processEvents();
        applies.push_back(elapsedMs(clock));
        bench::runEventsUntil([&] { return laidOut(window.editor()); }, 10000);
        laidOuts.push_back(elapsedMs(clock));
    }
    window.closeWithoutAsking();
    if (opens.size() != applies.size()) {
        figures.unpainted = true;
        return figures;
    }
    figures.openMs = median(opens);
    figures.applyMs = median(applies);
    figures.laidOutMs = median(laidOuts);
    return figures;
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
            if (figures.unpainted || figures.openMs == 0) {
                std::fprintf(stderr, "the options sheet was not measured\n");
                return 1;
            }
            std::printf("  note of %4lld KB%s: open %7.2f ms (%.2f of the %.0f ms target), OK %7.2f ms (%.2f of the "
                        "%.0f ms target), note laid out again %7.2f ms after OK\n",
                        static_cast<long long>(bytes / 1024), newFont ? ", new font" : "          ", figures.openMs,
                        figures.openMs / kOpenTargetMs, kOpenTargetMs, figures.applyMs,
                        figures.applyMs / kApplyTargetMs, kApplyTargetMs, figures.laidOutMs);
        }
    }
    return 0;
}
