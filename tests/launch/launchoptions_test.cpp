#include "launch/launchoptions.h"
#include "launch/programpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tabulet;

namespace {

struct ConfigurationCase
{
    const char *name;
    const char *content; // nullptr: no file at all
    bool oneInstance;
};

class OneInstanceOption : public ::testing::TestWithParam<ConfigurationCase>
{
};

} // namespace

TEST_P(OneInstanceOption, isReadFromTheConfigurationBeforeAnythingStarts)
{
    QTemporaryDir folder;
    if (GetParam().content) {
        QFile file(folder.filePath("tbu_config.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().content);
    }
    EXPECT_EQ(launch::oneInstance(folder.path().toStdString()), GetParam().oneInstance);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OneInstanceOption,
    ::testing::Values(
        ConfigurationCase{"noFile", nullptr, true},
        ConfigurationCase{"notXml", "{oneinstance: 0}", true},
        ConfigurationCase{"optionMissing", R"(<config><options><option key="x" val="0"/></options></config>)", true},
        ConfigurationCase{"off", R"(<config><options><option key="oneinstance" val="0"/></options></config>)", false},
        ConfigurationCase{"on", R"(<config><options><option key="oneinstance" val="1"/></options></config>)", true},
        ConfigurationCase{"lastOneCounts", R"(<config><options><option key="oneinstance" val="1"/>
                                              <option key="oneinstance" val="0"/></options></config>)",
                          false},
        ConfigurationCase{"keyIsCaseSensitive",
                          R"(<config><options><option key="OneInstance" val="0"/></options></config>)", true}),
    [](const auto &caseInfo) { return std::string(caseInfo.param.name); });

// A pipe in the configuration's place has no writer: reading it would hold the start for good.
TEST(OneInstanceOption, aPipeAsConfiguration_isNotWaitedFor)
{
    QTemporaryDir folder;
    const QByteArray pipe = QFile::encodeName(folder.filePath("tbu_config.xml"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    auto read = std::async(std::launch::async, [&] { return launch::oneInstance(folder.path().toStdString()); });
    const bool answered = read.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
    if (!answered)
        ::close(::open(pipe.constData(), O_WRONLY | O_NONBLOCK)); // lets a blocked reader go on
    ASSERT_TRUE(answered);
    EXPECT_TRUE(read.get());
}

TEST(DataFolder, isTheHomedirSwitchElseTabuletInTheDataHome)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/home/ann/data");
    EXPECT_EQ(launch::dataFolder({}), "/home/ann/data/Tabulet");
    launch::Switches switches;
    switches.homeFolder = "notes";
    EXPECT_EQ(launch::dataFolder(switches), "notes");
    qputenv("XDG_DATA_HOME", "relative/data");
    const QByteArray home = qgetenv("HOME");
    EXPECT_EQ(launch::userDataHome(), home.toStdString() + "/.local/share") << "a relative data home is ignored";
    qputenv("XDG_DATA_HOME", saved);
}

TEST(ProgramPaths, findTheProgramBesideTheLauncherElseInTheInstalledLibFolder)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("bin");
    QDir(root.path()).mkpath("lib/tabulet");
    const std::string launcher = root.filePath("bin/tabulet").toStdString();
    EXPECT_EQ(launch::programPaths(launcher).program, "") << "nothing installed";

    const auto makeProgram = [&](const QString &path) {
        QFile program(root.filePath(path));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    };
    makeProgram("lib/tabulet/tabulet-notepad");
    EXPECT_EQ(launch::programPaths(launcher).program, root.filePath("bin/../lib/tabulet/tabulet-notepad").toStdString());
    makeProgram("bin/tabulet-notepad");
    EXPECT_EQ(launch::programPaths(launcher).program, root.filePath("bin/tabulet-notepad").toStdString());
    EXPECT_EQ(launch::programPaths(launcher).launcher, launcher);
}
