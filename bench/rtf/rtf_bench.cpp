// Reading, writing, loading and laying out a 5 MB note of mixed formatting, and reading it beside
// `unrtf --text`. Prints figures only.
#include "notegenerator.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "ui/editor/richtextbridge.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr qsizetype kNoteBytes = 5 * 1024 * 1024;

const QByteArray &note()
{
    static const QByteArray bytes = tabulet::bench::generateNote(kNoteBytes);
    return bytes;
}

const tabulet::rtf::RichTextDocument &noteModel()
{
    static const tabulet::rtf::RichTextDocument model = tabulet::rtf::readRtf(note());
    return model;
}

void readRtf(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tabulet::rtf::readRtf(note()));
    state.SetBytesProcessed(state.iterations() * note().size());
}
BENCHMARK(readRtf)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();

void writeRtf(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tabulet::rtf::writeRtf(noteModel()));
}
BENCHMARK(writeRtf)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();

// Conversion only: a document no editor shows is not laid out.
void loadIntoTextDocument(benchmark::State &state)
{
    for (auto _ : state) {
        auto document = std::make_unique<QTextDocument>();
        tabulet::ui::setRichText(*document, noteModel());
        benchmark::DoNotOptimize(document->characterCount());
        state.PauseTiming(); // the document's destruction is not part of loading
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(loadIntoTextDocument)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();

// The same in a shown editor 400 px wide, until the whole note is laid out: Qt lays a long note
// out in slices after the first paint, so the time includes the pauses between them.
void loadIntoShownTextEdit(benchmark::State &state)
{
    for (auto _ : state) {
        auto editor = std::make_unique<QTextEdit>();
        editor->resize(400, 600);
        editor->show();
        tabulet::ui::setRichText(*editor->document(), noteModel());
        const QTextLayout *last = editor->document()->lastBlock().layout();
        while (last->lineCount() == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(loadIntoShownTextEdit)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();

void readTextDocumentBack(benchmark::State &state)
{
    QTextDocument document;
    tabulet::ui::setRichText(document, noteModel());
    for (auto _ : state)
        benchmark::DoNotOptimize(tabulet::ui::richText(document));
}
BENCHMARK(readTextDocumentBack)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Reading into the model and `unrtf --text` on the same file, taken in turns.
void compareWithUnrtf()
{
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty()) {
        std::puts("unrtf not found: install it (apt-get install unrtf) for the side-by-side figure");
        return;
    }
    QTemporaryFile file;
    if (!file.open() || file.write(note()) != note().size() || !file.flush()) {
        std::puts("cannot write the note for unrtf");
        return;
    }
    constexpr int kRounds = 5;
    std::vector<double> ours;
    std::vector<double> theirs;
    for (int round = 0; round < kRounds; ++round) {
        // Both sides read the file, as a user's conversion would.
        QElapsedTimer timer;
        timer.start();
        QFile input(file.fileName());
        if (!input.open(QIODevice::ReadOnly)) {
            std::puts("cannot read the note back");
            return;
        }
        benchmark::DoNotOptimize(tabulet::rtf::readRtf(input.readAll()));
        ours.push_back(timer.nsecsElapsed() / 1e6);

        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        timer.restart();
        process.start(unrtf, {QStringLiteral("--text"), file.fileName()});
        if (!process.waitForFinished(120000) || process.exitCode() != 0) {
            std::puts("unrtf did not convert the note");
            return;
        }
        theirs.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double oursMedian = median(ours);
    const double theirsMedian = median(theirs);
    std::printf("\n%.1f MB note, median of %d rounds: reading the file into the model %.1f ms, unrtf --text %.1f ms: "
                "%.1fx as fast\n",
                note().size() / 1048576.0, kRounds, oursMedian, theirsMedian, theirsMedian / oursMedian);
}

void describeNote()
{
    std::size_t listParagraphs = 0;
    std::size_t runs = 0;
    std::size_t pictures = 0;
    std::size_t linkRuns = 0;
    for (const tabulet::rtf::Paragraph &paragraph : noteModel().paragraphs) {
        listParagraphs += paragraph.format.numbering != tabulet::rtf::Numbering::None;
        runs += paragraph.runs.size();
        for (const tabulet::rtf::Run &run : paragraph.runs) {
            pictures += run.isPicture();
            linkRuns += !run.format.linkTarget.isEmpty();
        }
    }
    std::printf("note: %lld bytes, %zu paragraphs (%zu in lists), %zu runs (%zu linked), %zu pictures\n",
                static_cast<long long>(note().size()), noteModel().paragraphs.size(), listParagraphs, runs, linkRuns,
                pictures);
}

} // namespace

int main(int argc, char **argv)
{
    // Documents lay out with fonts and the editor is a widget: an application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    describeNote();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    compareWithUnrtf();
    return 0;
}
