// The note window with large notes, timed as the user waits for it. Each case reports, as the
// median over repetitions:
//   time          from the action to the end of the first paint of the editor after it;
//   complete_ms   from the action until the whole note is laid out (Qt lays a long note out in
//                 slices on the main thread after the first paint);
//   cpu_ms        the main thread's CPU time over the same span.
// Going back to a kept note reports, instead of complete_ms, the main thread's CPU time in the
// second after the action (later_cpu_ms). Compare two builds side by side with
// notewindow_compare.sh.
#include "benchdatafolder.h"
#include "firstpaint.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/accessibility.h"
#include "ui/window/mainwindow.h"
#include "ui/window/mainwindowtabs.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <thread>

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
    static auto *app = [] {
        auto *made = new QApplication(argc, argv);
        // As the program has it; it costs only where a bridge is on (accessibility.sh).
        ui::installAccessibility();
        return made;
    }();
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
struct NoteFolder : bench::BenchDataFolder
{
    explicit NoteFolder(int noteCount, qsizetype noteBytes = 1024 * 1024)
        : BenchDataFolder(QStringLiteral(TABULET_BINARY_DIR))
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
    }
};

double threadCpuMs()
{
    timespec now = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

using bench::runEventsUntil;

// Notes the editor's paints: the end of the first one after an action is when the user sees it.
class PaintWatch final : public QObject
{
public:
    explicit PaintWatch(ui::NoteEditor &editor) : m_editor(editor)
    {
        editor.installEventFilter(this);
        editor.viewport()->installEventFilter(this);
    }

    // From now on, a paint counts.
    void arm() { m_painted = false; }
    // From the next key press on, a paint counts.
    void armForKey()
    {
        m_awaitingKey = true;
        m_painted = false;
    }
    // Runs the events until a paint was seen (or for two seconds at most).
    void waitForPaint() const { runEventsUntil([this] { return m_painted; }, 2000); }
    bool laidOut() const
    {
        const QTextLayout *last = m_editor.document()->lastBlock().layout();
        return last && last->lineCount() > 0;
    }
    // Runs the events until the whole note is laid out (or for ten seconds at most).
    void waitForLayout() const { runEventsUntil([this] { return laidOut(); }, 10000); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_editor && event->type() == QEvent::KeyPress && m_awaitingKey)
            m_awaitingKey = false;
        else if (watched != &m_editor && event->type() == QEvent::Paint && !m_awaitingKey)
            m_painted = true;
        return false;
    }

private:
    ui::NoteEditor &m_editor;
    bool m_painted = false;
    bool m_awaitingKey = false;
};

// The figures of one action: the first paint as the iteration's time, the rest as counters.
class ActionClock
{
public:
    explicit ActionClock(PaintWatch &watch) : m_watch(watch) {}

    void start()
    {
        m_watch.arm();
        m_cpuAtStart = threadCpuMs();
        m_clock.start();
    }
    void waitForPaint(benchmark::State &state)
    {
        m_watch.waitForPaint();
        state.SetIterationTime(static_cast<double>(m_clock.nsecsElapsed()) / 1e9);
    }
    void waitForLayout()
    {
        m_watch.waitForLayout();
        m_completeMs += static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        m_cpuMs += threadCpuMs() - m_cpuAtStart;
    }
    void report(benchmark::State &state) const
    {
        state.counters["complete_ms"] = benchmark::Counter(m_completeMs, benchmark::Counter::kAvgIterations);
        state.counters["cpu_ms"] = benchmark::Counter(m_cpuMs, benchmark::Counter::kAvgIterations);
    }

private:
    PaintWatch &m_watch;
    QElapsedTimer m_clock;
    double m_cpuAtStart = 0;
    double m_completeMs = 0;
    double m_cpuMs = 0;
};

// The note window over a folder, shown, with its first note laid out completely.
struct ShownWindow
{
    explicit ShownWindow(const NoteFolder &folder) : context(folder.folders), window(context)
    {
        ok = window.initialise();
        watch.emplace(window.editor());
        QApplication::processEvents();
        watch->waitForLayout();
    }
    ~ShownWindow() { window.closeWithoutAsking(); }

    ui::ApplicationContext context;
    ui::MainWindow window;
    std::optional<PaintWatch> watch;
    bool ok = false;
};

// A key the user presses while the main thread may be busy: it is posted from another thread
// after a delay, and waits its turn like a key from the display. Returns the milliseconds from
// the press to the end of the paint that shows it.
double pressLater(PaintWatch &watch, ui::NoteEditor &editor, int delayMs, int key, Qt::KeyboardModifiers modifiers,
                  const QString &text = {})
{
    watch.armForKey();
    std::atomic<std::int64_t> pressedAt{0};
    std::thread presser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        pressedAt = std::chrono::steady_clock::now().time_since_epoch().count();
        QCoreApplication::postEvent(&editor, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
        QCoreApplication::postEvent(&editor, new QKeyEvent(QEvent::KeyRelease, key, modifiers, text));
    });
    runEventsUntil([&] { return pressedAt != 0; }, 2000);
    watch.waitForPaint();
    const auto shownAt = std::chrono::steady_clock::now().time_since_epoch().count();
    presser.join();
    return static_cast<double>(shownAt - pressedAt) / 1e6;
}

// From loading the configuration to the window shown with its 1 MB note (first visit).
void BM_ShowMegabyteNote(benchmark::State &state)
{
    application();
    const NoteFolder folder(1);
    double completeMs = 0;
    double cpuMs = 0;
    for (auto _ : state) {
        const double cpuAtStart = threadCpuMs();
        QElapsedTimer clock;
        clock.start();
        ui::ApplicationContext context(folder.folders);
        ui::MainWindow window(context);
        PaintWatch watch(window.editor());
        if (!window.initialise())
            state.SkipWithError("no theme");
        watch.waitForPaint();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        watch.waitForLayout();
        completeMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        cpuMs += threadCpuMs() - cpuAtStart;
        window.closeWithoutAsking();
    }
    state.counters["complete_ms"] = benchmark::Counter(completeMs, benchmark::Counter::kAvgIterations);
    state.counters["cpu_ms"] = benchmark::Counter(cpuMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ShowMegabyteNote)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);

// Leaving a note changed by one typed character (written) for the next one. Between two notes
// the next one was shown before and is kept; cycling through five, none is kept (three are) and
// each is read from its file and converted again.
void BM_SwitchNotes(benchmark::State &state)
{
    application();
    const NoteFolder folder(static_cast<int>(state.range(0)), state.range(1) * 1024);
    ShownWindow shown(folder);
    if (!shown.ok)
        state.SkipWithError("no theme");
    // Every note shown once and laid out, as a user going back and forth would have them.
    for (int i = 0; i < state.range(0); ++i) {
        shown.window.tabs().stepTab(1);
        shown.watch->waitForLayout();
    }
    ActionClock clock(*shown.watch);
    for (auto _ : state) {
        shown.window.editor().textCursor().insertText(QStringLiteral("x"));
        clock.start();
        shown.window.tabs().stepTab(1);
        clock.waitForPaint(state);
        clock.waitForLayout();
    }
    clock.report(state);
    // 1 where a screen reader's bridge was on (accessibility.sh compares).
    state.counters["accessible"] = QAccessible::isActive() ? 1 : 0;
}
BENCHMARK(BM_SwitchNotes)
    ->ArgNames({"notes", "KB"})
    ->Args({2, 1024})
    ->Args({5, 1024})
    ->Args({2, 20})
    ->Args({2, 2})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(6)
    ->Repetitions(5);

// Back to a kept, unchanged 1 MB note: the first paint, and the main thread's CPU time in the
// second after the switch (whatever layout it still does).
void BM_BackToKeptNote(benchmark::State &state)
{
    application();
    const NoteFolder folder(2);
    ShownWindow shown(folder);
    if (!shown.ok)
        state.SkipWithError("no theme");
    shown.window.tabs().stepTab(1);
    shown.watch->waitForLayout();
    ActionClock clock(*shown.watch);
    double laterCpuMs = 0;
    for (auto _ : state) {
        clock.start();
        shown.window.tabs().stepTab(1);
        clock.waitForPaint(state);
        const double cpuAfterPaint = threadCpuMs();
        QEventLoop second;
        QTimer::singleShot(1000, &second, &QEventLoop::quit);
        second.exec();
        laterCpuMs += threadCpuMs() - cpuAfterPaint;
    }
    state.counters["later_cpu_ms"] = benchmark::Counter(laterCpuMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BackToKeptNote)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);

// The first visit of a 1 MB note (none of the five is kept), then what the user does at once,
// while the rest of the note is still being laid out: nothing (until it is laid out), Ctrl+End
// or typing a character, some milliseconds after the first paint. The key's time (key_ms) runs
// from the press to the end of the paint that shows it.
enum class RightAfter { Nothing, CtrlEnd, Typing };

void BM_FirstVisit(benchmark::State &state)
{
    application();
    const auto after = static_cast<RightAfter>(state.range(0));
    const auto delayMs = static_cast<int>(state.range(1));
    const NoteFolder folder(5);
    ShownWindow shown(folder);
    if (!shown.ok)
        state.SkipWithError("no theme");
    ActionClock clock(*shown.watch);
    double keyMs = 0;
    for (auto _ : state) {
        clock.start();
        shown.window.tabs().stepTab(1);
        clock.waitForPaint(state);
        if (after == RightAfter::Nothing)
            clock.waitForLayout();
        else if (after == RightAfter::CtrlEnd)
            keyMs += pressLater(*shown.watch, shown.window.editor(), delayMs, Qt::Key_End, Qt::ControlModifier);
        else
            keyMs +=
                pressLater(*shown.watch, shown.window.editor(), delayMs, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        // The typed character is written now, not as part of the next switch.
        shown.window.tabs().saveTab();
    }
    if (after == RightAfter::Nothing)
        clock.report(state);
    else
        state.counters["key_ms"] = benchmark::Counter(keyMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FirstVisit)
    ->ArgNames({"then", "after_ms"})
    ->Args({static_cast<int>(RightAfter::Nothing), 0})
    ->Args({static_cast<int>(RightAfter::CtrlEnd), 30})
    ->Args({static_cast<int>(RightAfter::Typing), 30})
    ->Args({static_cast<int>(RightAfter::Typing), 150})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5);

// The window made 20 px narrower or wider again with a 1 MB note shown: the note's text reflows.
void BM_ResizeWindow(benchmark::State &state)
{
    application();
    const NoteFolder folder(1);
    ShownWindow shown(folder);
    if (!shown.ok)
        state.SkipWithError("no theme");
    shown.window.resize(1920, 1080);
    QApplication::processEvents();
    shown.watch->waitForLayout();
    ActionClock clock(*shown.watch);
    int width = 1920;
    for (auto _ : state) {
        width = width == 1920 ? 1900 : 1920;
        const int editorWidth = shown.window.editor().width();
        clock.start();
        shown.window.resize(width, 1080);
        clock.waitForPaint(state);
        clock.waitForLayout();
        if (shown.window.editor().width() == editorWidth)
            state.SkipWithError("the editor's width did not change");
    }
    clock.report(state);
}
BENCHMARK(BM_ResizeWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6)->Repetitions(5);

// A typed character saved when typing pauses: from the change until the note and the
// configuration are on disk (RTF written from the document, the file synced and renamed), all
// on the main thread. Beside it, the share of a 60 Hz frame it takes.
void BM_IdleSave(benchmark::State &state)
{
    application();
    const NoteFolder folder(1, state.range(0) * 1024);
    ShownWindow shown(folder);
    if (!shown.ok)
        state.SkipWithError("no theme");
    QElapsedTimer clock;
    double savingMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shown.window.editor().moveCursor(QTextCursor::End);
        shown.window.editor().insertPlainText(QStringLiteral("x"));
        state.ResumeTiming();
        clock.start();
        if (!shown.window.saveAll())
            state.SkipWithError("the note was not written");
        savingMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    constexpr double kFrameMs = 1000.0 / 60.0;
    state.counters["frames"] = benchmark::Counter(savingMs / kFrameMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IdleSave)->ArgName("KB")->Arg(20)->Arg(100)->Arg(1024)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The two halves of a first visit: the editor's note written as RTF, and RTF converted into the
// editor's document (laid out only as far as the first paint).
void BM_EditorNoteBytes(benchmark::State &state)
{
    application();
    ui::NoteEditor editor;
    editor.showNoteBytes(megabyteNote('A'));
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.noteBytes());
}
BENCHMARK(BM_EditorNoteBytes)->Unit(benchmark::kMillisecond)->Repetitions(5);

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
BENCHMARK(BM_EditorShowNoteBytes)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The skinned window laid out again and repainted at the same full-screen size: the skin's
// share of a resize, without any reflow of the note (BM_ResizeWindow has that).
void BM_RelayoutSkin(benchmark::State &state)
{
    application();
    const NoteFolder folder(1);
    ShownWindow shown(folder);
    if (!shown.ok)
        state.SkipWithError("no theme");
    shown.window.resize(1920, 1080);
    QApplication::processEvents();
    shown.watch->waitForLayout();
    for (auto _ : state) {
        shown.window.relayout();
        shown.window.repaint();
    }
}
BENCHMARK(BM_RelayoutSkin)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace
