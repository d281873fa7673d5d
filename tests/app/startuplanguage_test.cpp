#include "app/startuplanguage.h"

#include "lang/texttable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulet;

namespace {

// A program folder and a per-user folder, each with its own languages folder.
class StartupLanguage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folders.programFolder = root.filePath("program");
        folders.languagesFolder = root.filePath("user/languages");
        QDir().mkpath(folders.programLanguagesFolder());
        QDir().mkpath(folders.languagesFolder);
    }

    void writeLanguage(const QString &folder, const QString &name, const QByteArray &content)
    {
        QFile file(folder + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir root;
    settings::FolderSet folders;
    lang::TextTable texts;
};

} // namespace

TEST_F(StartupLanguage, loadsTheConfiguredFile)
{
    writeLanguage(folders.programLanguagesFolder(), "english.tabulang", "IDOK: OK\n");
    writeLanguage(folders.programLanguagesFolder(), "deutsch.tabulang", "IDOK: Jawohl\n");
    EXPECT_EQ(app::loadStartupLanguage(texts, "english.tabulang", folders), "english.tabulang");
    EXPECT_EQ(texts.text("IDOK"), "OK");
}

TEST_F(StartupLanguage, missingConfiguredFile_takesTheFirstListed)
{
    writeLanguage(folders.programLanguagesFolder(), "english.tabulang", "IDOK: OK\n");
    writeLanguage(folders.programLanguagesFolder(), "deutsch.tabulang", "IDOK: Jawohl\n");
    EXPECT_EQ(app::loadStartupLanguage(texts, "klingon.tabulang", folders), "deutsch.tabulang");
    EXPECT_EQ(texts.text("IDOK"), "Jawohl");
}

TEST_F(StartupLanguage, installedFile_winsOverTheShippedOneOfTheSameName)
{
    writeLanguage(folders.programLanguagesFolder(), "english.tabulang", "IDOK: shipped\n");
    writeLanguage(folders.languagesFolder, "english.tabulang", "IDOK: installed\n");
    EXPECT_EQ(app::loadStartupLanguage(texts, "english.tabulang", folders), "english.tabulang");
    EXPECT_EQ(texts.text("IDOK"), "installed");
}

TEST_F(StartupLanguage, noLanguageFileAnywhere_fails)
{
    EXPECT_TRUE(app::loadStartupLanguage(texts, "english.tabulang", folders).isEmpty());
}

TEST_F(StartupLanguage, configuredNameOutsideTheFolders_isNotFollowed)
{
    writeLanguage(root.path(), "secret.tabulang", "IDOK: outside\n");
    writeLanguage(folders.programLanguagesFolder(), "english.tabulang", "IDOK: OK\n");
    EXPECT_EQ(app::loadStartupLanguage(texts, "../../secret.tabulang", folders), "english.tabulang");
    EXPECT_EQ(texts.text("IDOK"), "OK");
}
