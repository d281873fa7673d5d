#include "settings/ensurefolder.h"

#include "printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tabulet;

TEST(EnsureFolder, createsOneLevel)
{
    QTemporaryDir dir;
    QStringList reported;
    const auto report = [&](const char *key) {
        reported << key;
    };
    EXPECT_TRUE(settings::ensureFolder(dir.filePath("Tabulet"), report));
    EXPECT_TRUE(QFileInfo(dir.filePath("Tabulet")).isDir());
    EXPECT_TRUE(settings::ensureFolder(dir.filePath("Tabulet"), report));
    EXPECT_TRUE(reported.isEmpty());
}

TEST(EnsureFolder, doesNotCreateParents)
{
    QTemporaryDir dir;
    QStringList reported;
    EXPECT_FALSE(settings::ensureFolder(dir.filePath("a/b"), [&](const char *key) { reported << key; }));
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
    EXPECT_FALSE(settings::ensureFolder(dir.filePath("Tabulet"), [&](const char *key) { reported << key; }));
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
    EXPECT_FALSE(settings::ensureFolder(dir.filePath("locked"), [&](const char *key) { reported << key; }));
    EXPECT_EQ(reported, QStringList{"ARCHIVER_CREATEDIRPERMISSIONS"});
}
