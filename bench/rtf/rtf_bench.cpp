// Reading, writing, loading and laying out a 5 MB note of mixed formatting, reading it beside one
// tokenizing pass over the same bytes, and tabulet-rtfconv beside `unrtf --text`, program against
// program. Prints figures only.
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
#include <QTextEdit>
#include <QTextLayout>

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

// The floor for reading: one pass that finds every group, control word with its parameter and
// stretch of text, and keeps nothing.
std::size_t tokenize(const QByteArray &bytes)
{
    std::size_t tokens = 0;
    const char *at = bytes.constData();
    const char *const end = at + bytes.size();
    const auto isLetter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    };
    while (at < end) {
        ++tokens;
        if (*at == '{' || *at == '}') {
            ++at;
        } else if (*at == '\\') {
            ++at;
            if (at < end && !isLetter(*at)) {
                ++at;
                continue;
            }
            while (at < end && isLetter(*at))
                ++at;
            if (at < end && *at == '-')
                ++at;
            while (at < end && *at >= '0' && *at <= '9')
                ++at;
            if (at < end && *at == ' ')
                ++at;
        } else {
            while (at < end && *at != '{' && *at != '}' && *at != '\\')
                ++at;
        }
    }
    return tokens;
}

void tokenizeRtf(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tokenize(note()));
    state.SetBytesProcessed(state.iterations() * note().size());
}
BENCHMARK(tokenizeRtf)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();

// Includes freeing the model read, as every reader of a note pays it once.
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

bool runsToCompletion(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Reading into the model, `tabulet-rtfconv --to text` and `unrtf --text` on the same file, taken
// in turns. The programs' times include starting them and writing the text (to /dev/null).
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
    // TABULET_RTFCONV names another build of the converter, to set two builds side by side.
    const QString converterPath = qEnvironmentVariable("TABULET_RTFCONV", QStringLiteral(TABULET_RTFCONV_PATH));
    constexpr int kRounds = 5;
    std::vector<double> ours;
    std::vector<double> converter;
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

        timer.restart();
        if (!runsToCompletion(converterPath, {QStringLiteral("--to"), QStringLiteral("text"), file.fileName()})) {
            std::puts("tabulet-rtfconv did not convert the note");
            return;
        }
        converter.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        if (!runsToCompletion(unrtf, {QStringLiteral("--text"), file.fileName()})) {
            std::puts("unrtf did not convert the note");
            return;
        }
        theirs.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double oursMedian = median(ours);
    const double converterMedian = median(converter);
    const double theirsMedian = median(theirs);
    std::printf("\n%.1f MB note, median of %d rounds: reading the file into the model %.1f ms, "
                "tabulet-rtfconv --to text %.1f ms, unrtf --text %.1f ms: rtfconv %.1fx as fast as unrtf\n",
                note().size() / 1048576.0, kRounds, oursMedian, converterMedian, theirsMedian,
                theirsMedian / converterMedian);
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
