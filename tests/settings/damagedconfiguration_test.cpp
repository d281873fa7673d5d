#include "casename.h"
#include "configurationfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

namespace tabulet::settings {
namespace {

using FirstRun = testing::ConfigurationFixture;

TEST_F(FirstRun, load_withoutAnyFileStartsFromTheDefaults)
{
    const LoadResult result = configuration.load(false);
    EXPECT_TRUE(result.success);
    EXPECT_FALSE(result.damaged);
    EXPECT_TRUE(configuration.isFirstRun());
    EXPECT_EQ(settings.value(QStringLiteral("port")), QStringLiteral("1614"));
    EXPECT_EQ(settings.value(QStringLiteral("activatemod")), QStringLiteral("SC"));
    EXPECT_TRUE(notes.isEmpty());
}

TEST_F(FirstRun, load_readsAConfigurationThatAppearedDuringTheRun)
{
    configuration.load(false);
    ASSERT_TRUE(configuration.isFirstRun());
    // An archive restore puts files in place, then the program restarts without saving.
    writeConfiguration(document(R"(<options><option key="trayicon" val="1"/></options>
        <notes><note title="Restored" filename="tab00001.rtf"/></notes>)"));
    configuration.setDoNotSave(true);
    EXPECT_EQ(configuration.save(), SaveResult::Disabled);
    configuration.setDoNotSave(false);

    const LoadResult result = configuration.load(false);
    EXPECT_TRUE(result.success);
    EXPECT_FALSE(configuration.isFirstRun());
    EXPECT_EQ(settings.value(QStringLiteral("trayicon")), QStringLiteral("1"));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].title, QStringLiteral("Restored"));
}

// The first-run choice is made where nothing was chosen yet, and the theme handler sees it; a
// configuration or an old settings file is the user's choice and is read as it is.
TEST_F(FirstRun, firstRunHandler_choosesOnlyWhenNoFileExists)
{
    int asked = 0;
    QStringList themes;
    configuration.setFirstRunHandler([&](Settings &chosen) {
        ++asked;
        chosen.value(QStringLiteral("theme")) = QStringLiteral("dark");
    });
    configuration.setThemeNameHandler([&](const QString &theme) { themes << theme; });
    configuration.load(false);
    EXPECT_EQ(settings.value(QStringLiteral("theme")), QStringLiteral("dark"));
    EXPECT_EQ(settings.value(QStringLiteral("port")), QStringLiteral("1614")) << "the defaults fill the rest";
    EXPECT_EQ(themes, QStringList({"dark"}));

    writeFile(dataPath(QStringLiteral("tbu.ini")), "theme = default\n");
    configuration.load(false);
    EXPECT_EQ(settings.value(QStringLiteral("theme")), QStringLiteral("default"));
    QFile::remove(dataPath(QStringLiteral("tbu.ini")));

    writeConfiguration(document(R"(<options><option key="theme" val="default"/></options><notes/>)"));
    configuration.load(false);
    EXPECT_EQ(settings.value(QStringLiteral("theme")), QStringLiteral("default"));
    EXPECT_EQ(asked, 1);
}

TEST_F(FirstRun, load_failsWhenTheLegacyFileCouldNotBeMoved)
{
    folders.dataFolder = root.filePath(QStringLiteral("missing"));
    writeFile(programPath(QStringLiteral("tbu.ini")), "wordwrap = 0\n");
    const LoadResult result = configuration.load(true);
    EXPECT_FALSE(result.success);
    EXPECT_FALSE(configuration.isFirstRun());
    EXPECT_EQ(settings.size(), 0);
}

struct DamageCase
{
    const char *name;
    QByteArray bytes;
};

class DamagedConfiguration : public testing::ConfigurationFixture, public ::testing::WithParamInterface<DamageCase>
{
};

TEST_P(DamagedConfiguration, load_keepsDamagedFileAsideAndRecoversTheNotes)
{
    writeConfiguration(GetParam().bytes);
    writeFile(dataPath(QStringLiteral("tab00001.rtf")), "{\\rtf1 first}");
    writeFile(dataPath(QStringLiteral("tab00002.rtf")), "{\\rtf1 second}");

    const LoadResult result = configuration.load(false);
    EXPECT_TRUE(result.success);
    EXPECT_TRUE(result.damaged);
    EXPECT_EQ(result.damagedCopy, configuration.filePath() + QStringLiteral(".damaged"));
    EXPECT_EQ(readFile(result.damagedCopy), GetParam().bytes);
    EXPECT_EQ(result.recoveredNotes, 2);
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(notes[0].title, QStringLiteral("tab00001"));
    EXPECT_EQ(settings.value(QStringLiteral("wordwrap")), QStringLiteral("1"));

    EXPECT_EQ(configuration.save(), SaveResult::Written);
    notes.clear();
    const LoadResult again = configuration.load(false);
    EXPECT_FALSE(again.damaged);
    EXPECT_EQ(notes.size(), 2);
    EXPECT_EQ(readFile(result.damagedCopy), GetParam().bytes);
}

QByteArray deeplyNested(int depth)
{
    return "<config><options/><notes>" + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth) +
           "</notes></config>";
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedConfiguration,
    ::testing::Values(DamageCase{"empty", QByteArray()},
                      DamageCase{"truncated", "<?xml version=\"1.0\" ?>\n<config version=\"1.1\">\n    <options>\n"},
                      DamageCase{"commentOnly", "<!-- nothing else -->"},
                      DamageCase{"noOptions", "<config><notes><note title=\"x\"/></notes></config>"},
                      DamageCase{"noNotes", "<config><options/></config>"},
                      DamageCase{"nulBytes", QByteArray("<config><options/>\0\0<notes/></config>", 37)},
                      DamageCase{"binary", QByteArray("\xff\xfe\x00\x01\x80garbage\x1b", 13)},
                      DamageCase{"nestedTooDeep", deeplyNested(100000)}),
    testing::caseName<DamageCase>);

using DamagedFile = testing::ConfigurationFixture;

TEST_F(DamagedFile, load_neverOverwritesAnEarlierCopy)
{
    writeFile(configuration.filePath() + QStringLiteral(".damaged"), "older");
    writeConfiguration("<broken");
    EXPECT_EQ(configuration.load(true).damagedCopy, configuration.filePath() + QStringLiteral(".damaged-2"));
    // The full load of the same start sees the same file and does not copy it again.
    EXPECT_EQ(configuration.load(false).damagedCopy, configuration.filePath() + QStringLiteral(".damaged-2"));
    EXPECT_FALSE(QFileInfo::exists(configuration.filePath() + QStringLiteral(".damaged-3")));
    writeConfiguration("<broken differently");
    EXPECT_EQ(configuration.load(false).damagedCopy, configuration.filePath() + QStringLiteral(".damaged-3"));
    EXPECT_EQ(readFile(configuration.filePath() + QStringLiteral(".damaged")), QByteArray("older"));
}

// A folder or a pipe in the configuration's place can be neither read nor copied; a pipe without
// a writer must not hold the start either.
TEST_F(DamagedFile, load_protectsAFileThatCouldNotBeCopied)
{
    const std::function<bool(const QString &)> notAFile[] = {
        [](const QString &path) { return QDir().mkdir(path); },
        [](const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
    };
    for (const auto &make : notAFile) {
        QDir(folders.dataFolder).removeRecursively();
        QDir().mkpath(folders.dataFolder);
        ASSERT_TRUE(make(configuration.filePath()));
        const LoadResult result = configuration.load(false);
        EXPECT_TRUE(result.damaged);
        EXPECT_TRUE(result.damagedCopy.isEmpty());
        EXPECT_EQ(configuration.save(), SaveResult::Disabled);
    }
}

TEST_F(DamagedFile, load_refusesHugeFilesWithoutParsingThem)
{
    {
        QFile file(configuration.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(100 * 1024 * 1024));
    }
    const LoadResult result = configuration.load(false);
    EXPECT_TRUE(result.success);
    EXPECT_TRUE(result.damaged);
    EXPECT_EQ(QFileInfo(result.damagedCopy).size(), 100 * 1024 * 1024);
    EXPECT_EQ(settings.value(QStringLiteral("tabheight")), QStringLiteral("16"));
}

TEST_F(DamagedFile, load_keepsPluginDataNestedUpToTheParserLimit)
{
    const QByteArray nested = QByteArray("<p>").repeated(90) + QByteArray("</p>").repeated(90);
    writeConfiguration(document("<options/><notes/><plugins>" + nested + "</plugins>"));
    EXPECT_FALSE(configuration.load(false).damaged);
    const QByteArray written = configuration.documentBytes();
    EXPECT_EQ(written.count("<p>") + written.count("<p/>"), 90);
}

} // namespace
} // namespace tabulet::settings
