#include "app/folders.h"

#include "printers.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
