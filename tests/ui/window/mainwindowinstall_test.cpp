#include "ui/window/mainwindowinstall.h"

#include "fakeprompts.h"
#include "lang/texttable.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace tabulet::ui {
namespace {

class InstallTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        texts.loadLanguageText(
            "ERROR_LANGUAGEFILEEXISTS: exists\nERROR_ERRORWRITINGLANGUAGEFILE: cannot write\n"
            "LANGUAGE_USE: use %s?\nTHEME_USE: theme %s installed\nERROR_THEMEFILEEXISTS: theme exists\n");
        source = write(work.filePath(QStringLiteral("handed/mine.tabulang")), "NEW: text");
        folder = work.filePath(QStringLiteral("user/languages"));
        shipped = work.filePath(QStringLiteral("program/languages"));
    }

    static QString write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool install(InstallKind kind = InstallKind::Language)
    {
        return installFile(kind, source, folder, shipped, prompts, texts, options);
    }

    QTemporaryDir work;
    lang::TextTable texts;
    settings::Settings options;
    FakePrompts::Log log;
    FakePrompts prompts{log};
    QString source;
    QString folder;
    QString shipped;
};

TEST_F(InstallTest, newLanguage_isCopiedAndOfferedForUse)
{
    prompts.answers = {true};
    EXPECT_TRUE(install());
    EXPECT_EQ(read(folder + QStringLiteral("/mine.tabulang")), QByteArray("NEW: text"));
    EXPECT_EQ(log.asked, QStringList({"use mine.tabulang?"}));
    EXPECT_EQ(options.value(QStringLiteral("languagefile")), QStringLiteral("mine.tabulang"));
}

TEST_F(InstallTest, newTheme_tellsHowToUseIt)
{
    EXPECT_TRUE(install(InstallKind::Theme));
    EXPECT_EQ(log.told, QStringList({"theme mine.tabulang installed"}));
    EXPECT_TRUE(log.asked.isEmpty());
}

TEST_F(InstallTest, installedFile_isReplacedOnlyWhenTheUserSaysYes)
{
    write(folder + QStringLiteral("/mine.tabulang"), "OLD: text");
    prompts.answers = {false};
    EXPECT_TRUE(install());
    EXPECT_EQ(read(folder + QStringLiteral("/mine.tabulang")), QByteArray("OLD: text"));
    EXPECT_EQ(log.asked, QStringList({"exists"}));

    prompts.answers = {true, false};
    EXPECT_TRUE(install());
    EXPECT_EQ(read(folder + QStringLiteral("/mine.tabulang")), QByteArray("NEW: text"));
    EXPECT_TRUE(options.value(QStringLiteral("languagefile")).isEmpty());
}

// The user's copy would hide the program's own file of that name: asked as for an installed one.
TEST_F(InstallTest, fileNamedLikeAShippedOne_isInstalledOnlyWhenTheUserSaysYes)
{
    write(shipped + QStringLiteral("/mine.tabulang"), "SHIPPED: text");
    prompts.answers = {false};
    EXPECT_TRUE(install(InstallKind::Theme));
    EXPECT_EQ(log.asked, QStringList({"theme exists"}));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/mine.tabulang")));

    prompts.answers = {true};
    EXPECT_TRUE(install(InstallKind::Theme));
    EXPECT_EQ(read(folder + QStringLiteral("/mine.tabulang")), QByteArray("NEW: text"));
    EXPECT_EQ(read(shipped + QStringLiteral("/mine.tabulang")), QByteArray("SHIPPED: text"));
}

// A file that cannot be read is reported as such, not as one that is already installed; a pipe
// handed over in a file's place is refused at once instead of waiting for a writer.
TEST_F(InstallTest, unreadableFile_isReportedAsAFailure)
{
    const QString pipe = work.filePath(QStringLiteral("handed/pipe.tabulang"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString &unreadable : {work.filePath(QStringLiteral("handed/missing.tabulang")), pipe}) {
        source = unreadable;
        log.told.clear();
        EXPECT_FALSE(install()) << unreadable.toStdString();
        EXPECT_TRUE(log.asked.isEmpty());
        EXPECT_EQ(log.told, QStringList({"cannot write"}));
    }
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/pipe.tabulang")));
}

TEST(CopyIntoFolder, refusesFilesOverTheBound)
{
    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("big.tabutheme"));
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();
    EXPECT_EQ(copyIntoFolder(source, work.filePath(QStringLiteral("themes")), false, 1024), CopyResult::Failed);
    EXPECT_EQ(copyIntoFolder(source, work.filePath(QStringLiteral("themes")), false, 4096), CopyResult::Copied);
    EXPECT_EQ(copyIntoFolder(source, work.filePath(QStringLiteral("themes")), false, 4096), CopyResult::Exists);
}

} // namespace
} // namespace tabulet::ui
