// Archiving 1,000 notes of 20 KB with the configuration and 50 plug-in settings files, beside
// `cp -r` of the same files; the minute check when nothing is due; the browser's scan of 2,000
// archives. Prints figures only.
#include "archive/archiver.h"
#include "archive/archiverhost.h"
#include "archive/clock.h"
#include "lang/texttable.h"
#include "settings/folderset.h"
#include "settings/notelist.h"
#include "settings/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace tabulet;

constexpr int kNotes = 1000;
constexpr int kNoteBytes = 20 * 1024;
constexpr int kPluginFiles = 50;
constexpr int kArchives = 2000;
constexpr int kRounds = 7;

class BenchClock final : public archive::Clock
{
public:
    QDateTime now() const override { return moment; }
    QDateTime moment{QDate(2024, 6, 1), QTime(12, 0)};
};

// Runs the copying in place: the figures are the copying's, not the window's progress bar.
class InPlaceHost final : public archive::ArchiverHost
{
public:
    void showMessage(const archive::ArchiverMessage &) override {}
    void runFileWork(int, const archive::FileWork &work) override
    {
        work([](int) {});
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A data folder as the archiver finds it, with an archiver over it.
struct Notepad
{
    Notepad()
    {
        folders.dataFolder = root.filePath(QStringLiteral("data"));
        QDir().mkpath(folders.dataFolder + QStringLiteral("/pluginCFG"));
        settings.applyDefaults();
        const QByteArray text(kNoteBytes, 'n');
        for (int i = 1; i <= kNotes; ++i) {
            settings::Note note;
            note.fileName = QStringLiteral("tab%1.rtf").arg(i, 5, 10, QLatin1Char('0'));
            notes.append(note);
            writeFile(QDir(folders.dataFolder).filePath(note.fileName), text);
        }
        writeFile(folders.dataFolder + QStringLiteral("/tbu_config.xml"), QByteArray(200 * 1024, 'c'));
        for (int i = 0; i < kPluginFiles; ++i)
            writeFile(folders.dataFolder + QStringLiteral("/pluginCFG/plugin%1.cfg").arg(i), QByteArray(2048, 'p'));
        archiver.chooseFolder(root.filePath(QStringLiteral("archives")), false);
        QDir().mkpath(root.filePath(QStringLiteral("archives")));
        archiver.setUp(host);
    }

    QTemporaryDir root;
    settings::FolderSet folders;
    settings::Settings settings;
    settings::NoteList notes;
    lang::TextTable texts;
    BenchClock clock;
    InPlaceHost host;
    archive::Archiver archiver{folders, settings, notes, texts, clock};
};

// Archive now and `cp -r` of the data folder taken in turns; the cp figure includes starting
// the process (about a millisecond), ours runs in this process.
void BM_ArchiveBesideCp(benchmark::State &state)
{
    Notepad notepad;
    std::vector<double> ours;
    std::vector<double> cp;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            notepad.clock.moment = notepad.clock.moment.addSecs(1);
            QElapsedTimer timer;
            timer.start();
            const QString made = notepad.archiver.archiveNow(true, notepad.host);
            ours.push_back(timer.nsecsElapsed() / 1e6);
            if (made.isEmpty())
                state.SkipWithError("no archive was made");

            const QString copy = notepad.root.filePath(QStringLiteral("cp%1").arg(round));
            timer.restart();
            const int status =
                QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), notepad.folders.dataFolder, copy});
            cp.push_back(timer.nsecsElapsed() / 1e6);
            if (status != 0)
                state.SkipWithError("cp -r failed");
        }
    }
    state.counters["archive_ms"] = median(ours);
    state.counters["cp_r_ms"] = median(cp);
    state.counters["ratio"] = median(ours) / median(cp);
    std::printf("\n%d notes of %d KB, configuration, %d plug-in files; median of %d rounds: archive now %.1f ms, "
                "cp -r %.1f ms, ratio %.2f (in %s)\n",
                kNotes, kNoteBytes / 1024, kPluginFiles, kRounds, median(ours), median(cp), median(ours) / median(cp),
                qPrintable(notepad.root.path()));
}
BENCHMARK(BM_ArchiveBesideCp)->Iterations(1)->Unit(benchmark::kMillisecond);

// An archive folder of 2,000 archives of three files each.
struct ArchiveShelf
{
    ArchiveShelf()
    {
        notepad.archiver.chooseFolder(notepad.root.filePath(QStringLiteral("shelf")), false);
        QDir shelf(notepad.root.filePath(QStringLiteral("shelf")));
        shelf.mkpath(QStringLiteral("."));
        QDateTime moment(QDate(2020, 1, 1), QTime(0, 0));
        for (int i = 0; i < kArchives; ++i) {
            const QString name = moment.addSecs(qint64(i) * 3600).toString(QStringLiteral("yyyyMMdd_HHmmss"));
            shelf.mkdir(name);
            for (const char *file : {"tbu_config.xml", "tab00001.rtf", "tab00002.rtf"})
                writeFile(shelf.filePath(name + u'/' + QLatin1String(file)), "x");
        }
        notepad.archiver.setUp(notepad.host);
        notepad.clock.moment = QDateTime(QDate(2020, 4, 1), QTime(0, 0));
    }
    Notepad notepad;
};

void BM_ScanTwoThousandArchives(benchmark::State &state)
{
    ArchiveShelf shelf;
    for (auto _ : state)
        benchmark::DoNotOptimize(shelf.notepad.archiver.scanArchives());
}
BENCHMARK(BM_ScanTwoThousandArchives)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The minute check with nothing due: the schedule alone, and with the deletion of old archives on
// (which lists the 2,000 archives' names).
void BM_MinuteCheckNothingDue(benchmark::State &state)
{
    ArchiveShelf shelf;
    settings::Settings &settings = shelf.notepad.settings;
    settings.value(QStringLiteral("lastarchiving")) = QStringLiteral("20200331_000000");
    settings.value(QStringLiteral("deletearchive")) = state.range(0) ? QStringLiteral("1") : QStringLiteral("0");
    settings.value(QStringLiteral("deletearchiveinterval")) = QStringLiteral("200");
    for (auto _ : state)
        shelf.notepad.archiver.scheduledCheck(shelf.notepad.host);
    if (shelf.notepad.archiver.scanArchives().size() != kArchives)
        state.SkipWithError("the check changed the archives");
}
BENCHMARK(BM_MinuteCheckNothingDue)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
