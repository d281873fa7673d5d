#include "settings/datafolderlock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <sys/stat.h>

using namespace tabulet;
using State = settings::DataFolderLock::State;

TEST(DataFolderLock, oneCopyOwnsAFolderUntilItEnds_otherFoldersStayFree)
{
    QTemporaryDir root;
    const QString notes = root.filePath("notes");
    const QString other = root.filePath("other");
    QDir().mkpath(notes);
    QDir().mkpath(other);

    std::optional<settings::DataFolderLock> first(std::in_place, notes);
    EXPECT_EQ(first->state(), State::Owned);
    EXPECT_EQ(QFile(notes + "/tbu_lock").permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions())
        << "no other user may take the lock";
    EXPECT_EQ(settings::DataFolderLock(notes).state(), State::HeldElsewhere);
    EXPECT_EQ(settings::DataFolderLock(other).state(), State::Owned);
    first.reset();
    EXPECT_EQ(settings::DataFolderLock(notes).state(), State::Owned) << "the lock ends with its owner";
}

// Whatever stands in the lock file's place, taking the lock neither blocks nor follows it away.
TEST(DataFolderLock, somethingElseInPlaceOfTheLockFile_leavesTheFolderUnlocked)
{
    struct Case
    {
        const char *name;
        std::function<void(const QString &lockPath, const QString &elsewhere)> make;
    };
    const Case cases[] = {
        {"pipe", [](const QString &path, const QString &) { ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0); }},
        {"folder", [](const QString &path, const QString &) { ASSERT_TRUE(QDir().mkpath(path)); }},
        {"link", [](const QString &path, const QString &elsewhere) { ASSERT_TRUE(QFile::link(elsewhere, path)); }},
    };
    for (const Case &c : cases) {
        QTemporaryDir root;
        const QString elsewhere = root.filePath("elsewhere");
        c.make(root.filePath("tbu_lock"), elsewhere);
        EXPECT_EQ(settings::DataFolderLock(root.path()).state(), State::Unavailable) << c.name;
        EXPECT_FALSE(QFile::exists(elsewhere)) << c.name;
    }
    EXPECT_EQ(settings::DataFolderLock(QTemporaryDir().filePath("missing")).state(), State::Unavailable);
}
