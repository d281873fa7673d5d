#include "app/folders.h"

#include "printers.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tabulet;

TEST(FolderSet, dataFolder_isTheApplicationDataFolderPlusTabulet)
{
    const auto folders = app::computeFolderSet("/opt/t/bin/tabulet", "/home/ann/.local/share/", "/tmp");
    EXPECT_EQ(folders.dataFolder, "/home/ann/.local/share/Tabulet");
    EXPECT_EQ(folders.pluginConfigFolder, "/home/ann/.local/share/Tabulet/pluginCFG");
    EXPECT_EQ(folders.languagesFolder, "/home/ann/.local/share/Tabulet/languages");
    EXPECT_EQ(folders.tempFolder, "/tmp/");
    EXPECT_EQ(folders.executablePath, "/opt/t/bin/tabulet");
}

TEST(FolderSet, programFolder_isTheExecutablesFolderWhenItHoldsLanguages)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("languages"));
    const auto folders = app::computeFolderSet(dir.filePath("tabulet"), "/x", "/tmp/");
    EXPECT_EQ(folders.programFolder, dir.path());
    EXPECT_EQ(folders.programLanguagesFolder(), dir.path() + "/languages");
}

TEST(FolderSet, programFolder_isTheInstalledShareFolderOtherwise)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("bin"));
    const auto folders = app::computeFolderSet(dir.filePath("bin/tabulet"), "/x", "/tmp/");
    EXPECT_EQ(folders.programFolder, dir.path() + "/share/tabulet");
}

TEST(EnsureFolder, createsOneLevel)
{
    QTemporaryDir dir;
    QStringList reported;
    const auto report = [&](const char *key) {
        reported << key;
    };
    EXPECT_TRUE(app::ensureFolder(dir.filePath("Tabulet"), report));
    EXPECT_TRUE(QFileInfo(dir.filePath("Tabulet")).isDir());
    EXPECT_TRUE(app::ensureFolder(dir.filePath("Tabulet"), report));
    EXPECT_TRUE(reported.isEmpty());
}

TEST(EnsureFolder, doesNotCreateParents)
{
    QTemporaryDir dir;
    QStringList reported;
    EXPECT_FALSE(app::ensureFolder(dir.filePath("a/b"), [&](const char *key) { reported << key; }));
    EXPECT_EQ(reported, QStringList{"ARCHIVER_CREATEDIRFAILED"});
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a")));
}

TEST(EnsureFolder, aFileInTheWay_isReportedAsCreationFailure)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("Tabulet"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QStringList reported;
    EXPECT_FALSE(app::ensureFolder(dir.filePath("Tabulet"), [&](const char *key) { reported << key; }));
    EXPECT_EQ(reported, QStringList{"ARCHIVER_CREATEDIRFAILED"});
}

TEST(EnsureFolder, aFolderWithoutWriteAccess_isReportedAsPermissionProblem)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write anywhere";
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    QFile::setPermissions(dir.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QStringList reported;
    EXPECT_FALSE(app::ensureFolder(dir.filePath("locked"), [&](const char *key) { reported << key; }));
    EXPECT_EQ(reported, QStringList{"ARCHIVER_CREATEDIRPERMISSIONS"});
}

TEST(ApplicationDataFolder, isCreatedWhenMissing)
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath("fresh/.local/share").toUtf8());
    const QString folder = app::applicationDataFolder();
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(folder, dir.filePath("fresh/.local/share"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}
