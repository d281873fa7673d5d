// Loading and saving a large configuration: 1,000 notes, 50 plug-in entries kept as read and
// 100 presets.
#include "settings/configurationfile.h"
#include "settings/folderset.h"
#include "settings/notelist.h"
#include "settings/presetlist.h"
#include "settings/settings.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tabulet::settings;

namespace {

QByteArray largeConfiguration()
{
    QByteArray xml = "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n"
                     "<option key=\"wordwrap\" val=\"0\"/>\n</options>\n<notes>\n";
    for (int index = 0; index < 1000; ++index) {
        xml += QStringLiteral("<note id=\"%1\" title=\"Note number %1\" filename=\"tab%2.rtf\" visible=\"%3\" "
                              "selection=\"%4\" preset=\"Preset %5\" usepreset=\"%6\">")
                   .arg(index)
                   .arg(index + 1, 5, 10, QLatin1Char('0'))
                   .arg(index % 7 ? 1 : 0)
                   .arg(index * 13)
                   .arg(index % 100)
                   .arg(index % 2)
                   .toUtf8();
        if (index % 3 == 0)
            xml += "<titlecolor r=\"200\" g=\"10\" b=\"30\"/><bgcolor r=\"1\" g=\"2\" b=\"3\"/>";
        if (index % 5 == 0)
            xml += "<font face=\"Times New Roman\" size=\"12\" bold=\"1\" italics=\"0\"/>";
        xml += "</note>\n";
    }
    xml += "</notes>\n<plugins>\n";
    for (int index = 0; index < 50; ++index)
        xml += QStringLiteral("<plugin file=\"plugin%1.lua\" enabled=\"1\"><value key=\"k%1\" val=\"v%1\"/></plugin>\n")
                   .arg(index)
                   .toUtf8();
    xml += "</plugins>\n<commands/>\n<presets>\n";
    for (int index = 0; index < 100; ++index)
        xml += QStringLiteral("<preset name=\"Preset %1\"><font face=\"Arial\" size=\"10\" bold=\"0\" italics=\"1\"/>"
                              "<bgcolor r=\"%1\" g=\"20\" b=\"30\"/><textcolor r=\"0\" g=\"0\" b=\"%1\"/></preset>\n")
                   .arg(index)
                   .toUtf8();
    xml += "</presets>\n</config>\n";
    return xml;
}

// A data folder holding the large configuration, loaded once.
struct LargeConfiguration
{
    LargeConfiguration()
    {
        folders.dataFolder = folder.path();
        QSaveFile file(configuration.filePath());
        file.open(QIODevice::WriteOnly);
        file.write(largeConfiguration());
        file.commit();
        configuration.load(false);
        configuration.save();
    }

    QTemporaryDir folder;
    FolderSet folders;
    Settings settings;
    NoteList notes;
    PresetList presets;
    ConfigurationFile configuration{folders, settings, notes, presets};
};

void BM_LoadConfiguration(benchmark::State &state)
{
    LargeConfiguration large;
    for (auto _ : state) {
        const LoadResult result = large.configuration.load(false);
        benchmark::DoNotOptimize(result.success);
    }
    if (large.notes.size() != 1000 || large.presets.size() != 100)
        state.SkipWithError("the configuration was not read completely");
}

void BM_SaveChangedConfiguration(benchmark::State &state)
{
    LargeConfiguration large;
    bool wrap = false;
    for (auto _ : state) {
        wrap = !wrap;
        large.settings.value(QStringLiteral("wordwrap")) = wrap ? QStringLiteral("1") : QStringLiteral("0");
        if (large.configuration.save() != SaveResult::Written)
            state.SkipWithError("nothing was written");
    }
}

void BM_SaveUnchangedConfiguration(benchmark::State &state)
{
    LargeConfiguration large;
    for (auto _ : state) {
        if (large.configuration.save() != SaveResult::Unchanged)
            state.SkipWithError("an unchanged configuration was written");
    }
}

BENCHMARK(BM_LoadConfiguration)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveChangedConfiguration)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveUnchangedConfiguration)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
