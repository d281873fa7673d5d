// The note window with large notes: showing a 1 MB note, switching between two of them (save
// and load), saving a note when typing pauses, and laying out and painting the skinned window at
// 1920 × 1080.
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/mainwindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace tabulet;

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_note_window";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the benchmark library ends the process after Qt's own statics are gone.
    static auto *app = new QApplication(argc, argv);
    return *app;
}

// About this many bytes of formatted text: paragraphs of plain, bold, italic and coloured runs.
QByteArray formattedNote(char tag, qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                     "{\\colortbl;\\red200\\green0\\blue0;}\\f0\\fs20 ";
    for (int paragraph = 0; rtf.size() < bytes; ++paragraph) {
        rtf += "Note " + QByteArray(1, tag) + " paragraph " + QByteArray::number(paragraph) +
               " with {\\b bold words}, {\\i some italics}, {\\cf1 a coloured run} and {\\f1 fixed text} "
               "followed by plain text that fills the line.\\par\n";
    }
    return rtf + "}";
}

QByteArray megabyteNote(char tag)
{
    return formattedNote(tag, 1024 * 1024);
}

// A data folder with notes of about a megabyte each, and the shipped themes.
struct NoteFolder
{
    explicit NoteFolder(int noteCount, qsizetype noteBytes = 1024 * 1024)
    {
        QByteArray notes;
        for (int i = 1; i <= noteCount; ++i) {
            const QString fileName = QStringLiteral("tab%1.rtf").arg(i, 5, 10, QLatin1Char('0'));
            write(fileName, formattedNote(static_cast<char>('A' + i - 1), noteBytes));
            notes += "<note id=\"" + QByteArray::number(i - 1) + "\" title=\"Note " + QByteArray::number(i) +
                     "\" filename=\"" + fileName.toLatin1() + "\" visible=\"1\"/>\n";
        }
        write(QStringLiteral("tbu_config.xml"),
              "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n"
              "<option key=\"showtipsonstartup\" val=\"0\"/>\n</options>\n<notes>\n" +
                  notes + "</notes>\n</config>\n");
        folders.dataFolder = data.path();
        folders.programFolder = QStringLiteral(TABULET_BINARY_DIR);
        folders.themesFolder = data.filePath(QStringLiteral("themes"));
        folders.languagesFolder = data.filePath(QStringLiteral("languages"));
        folders.tempFolder = QDir::tempPath() + QLatin1Char('/');
    }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(data.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir data;
    settings::FolderSet folders;
};

// From loading the configuration to the window shown with its 1 MB note.
void BM_ShowMegabyteNote(benchmark::State &state)
{
    application();
    const NoteFolder folder(1);
    for (auto _ : state) {
        ui::ApplicationContext context(folder.folders);
        ui::MainWindow window(context);
        if (!window.initialise())
            state.SkipWithError("no theme");
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
        state.PauseTiming();
        window.closeWithoutAsking();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowMegabyteNote)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Leaving a changed 1 MB note (written) for another (shown). Between two notes the other one
// is still kept laid out; cycling through five, each is read from its file and converted again.
void BM_SwitchMegabyteNotes(benchmark::State &state)
{
    application();
    const NoteFolder folder(static_cast<int>(state.range(0)));
    ui::ApplicationContext context(folder.folders);
    ui::MainWindow window(context);
    if (!window.initialise())
        state.SkipWithError("no theme");
    QElapsedTimer clock;
    double savingMs = 0;
    for (auto _ : state) {
        window.tabs().markModified();
        clock.start();
        window.tabs().saveTab();
        savingMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        window.tabs().stepTab(1);
        QApplication::processEvents();
    }
    // How much of a switch the writing of the note left takes.
    state.counters["save_ms"] = benchmark::Counter(savingMs, benchmark::Counter::kAvgIterations);
    window.closeWithoutAsking();
}
BENCHMARK(BM_SwitchMegabyteNotes)->ArgName("notes")->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A typed character saved when typing pauses: from the change until the note and the
// configuration are on disk (RTF written from the document, the file synced and renamed), all
// on the main thread. Beside it, the share of a 60 Hz frame it takes; the tab switch's save of
// the same note is BM_SwitchMegabyteNotes' save_ms.
void BM_IdleSave(benchmark::State &state)
{
    application();
    const NoteFolder folder(1, state.range(0) * 1024);
    ui::ApplicationContext context(folder.folders);
    ui::MainWindow window(context);
    if (!window.initialise())
        state.SkipWithError("no theme");
    QApplication::processEvents();
    QElapsedTimer clock;
    double savingMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.editor().moveCursor(QTextCursor::End);
        window.editor().insertPlainText(QStringLiteral("x"));
        state.ResumeTiming();
        clock.start();
        if (!window.saveAll())
            state.SkipWithError("the note was not written");
        savingMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    constexpr double kFrameMs = 1000.0 / 60.0;
    state.counters["frames"] = benchmark::Counter(savingMs / kFrameMs, benchmark::Counter::kAvgIterations);
    window.closeWithoutAsking();
}
BENCHMARK(BM_IdleSave)->ArgName("KB")->Arg(20)->Arg(100)->Arg(1024)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The two halves of a switch: the editor's note written as RTF, and RTF shown in the editor.
void BM_EditorNoteBytes(benchmark::State &state)
{
    application();
    ui::NoteEditor editor;
    editor.showNoteBytes(megabyteNote('A'));
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.noteBytes());
}
BENCHMARK(BM_EditorNoteBytes)->Unit(benchmark::kMillisecond);

void BM_EditorShowNoteBytes(benchmark::State &state)
{
    application();
    ui::NoteEditor editor;
    editor.resize(450, 200);
    editor.show();
    const QByteArray note = megabyteNote('A');
    for (auto _ : state) {
        editor.showNoteBytes(note);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EditorShowNoteBytes)->Unit(benchmark::kMillisecond);

// A full layout of the skinned window and its repaint at full-screen size.
void BM_RelayoutFullScreen(benchmark::State &state)
{
    application();
    const NoteFolder folder(1);
    ui::ApplicationContext context(folder.folders);
    ui::MainWindow window(context);
    if (!window.initialise())
        state.SkipWithError("no theme");
    window.resize(1920, 1080);
    QApplication::processEvents();
    for (auto _ : state) {
        window.relayout();
        window.repaint();
    }
    window.closeWithoutAsking();
}
BENCHMARK(BM_RelayoutFullScreen)->Unit(benchmark::kMillisecond);

} // namespace
