#include "lang/languagefiles.h"
#include "lang/texttable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

class LanguageFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("user")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("program")));
    }

    static void create(const QString &path, const QByteArray &contents = {})
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    void inUser(const QString &name, const QByteArray &contents = {}) { create(user() + u'/' + name, contents); }
    void inProgram(const QString &name, const QByteArray &contents = {}) { create(program() + u'/' + name, contents); }
    QString user() const { return root.filePath(QStringLiteral("user")); }
    QString program() const { return root.filePath(QStringLiteral("program")); }

    QTemporaryDir root;
};

TEST_F(LanguageFiles, listLanguageFiles_putsUserFilesFirstEachFolderSortedNamesOnce)
{
    inProgram(QStringLiteral("english.tabulang"));
    inProgram(QStringLiteral("deutsch.tabulang"));
    inProgram(QStringLiteral("zulu.tabulang"));
    inUser(QStringLiteral("zulu.tabulang"));
    inUser(QStringLiteral("mine.tabulang"));

    EXPECT_EQ(listLanguageFiles(user(), program()),
              (QStringList{QStringLiteral("mine.tabulang"), QStringLiteral("zulu.tabulang"),
                           QStringLiteral("deutsch.tabulang"), QStringLiteral("english.tabulang")}));
}

TEST_F(LanguageFiles, listLanguageFiles_takesOnlyLanguageFilesDirectlyInFolder)
{
    inProgram(QStringLiteral("english.tabulang"));
    inProgram(QStringLiteral("Windows.TABULANG"));
    inProgram(QStringLiteral("notes.txt"));
    inProgram(QStringLiteral("english.tabulang.bak"));
    ASSERT_TRUE(QDir(program()).mkpath(QStringLiteral("sub")));
    ASSERT_TRUE(QDir(program()).mkpath(QStringLiteral("folder.tabulang")));
    inProgram(QStringLiteral("sub/nested.tabulang"));

    EXPECT_EQ(listLanguageFiles(user(), program()),
              (QStringList{QStringLiteral("Windows.TABULANG"), QStringLiteral("english.tabulang")}));
}

TEST_F(LanguageFiles, listLanguageFiles_missingFoldersListNothing)
{
    inProgram(QStringLiteral("english.tabulang"));
    EXPECT_EQ(listLanguageFiles(root.filePath(QStringLiteral("absent")), program()),
              QStringList{QStringLiteral("english.tabulang")});
    EXPECT_TRUE(listLanguageFiles(QString(), root.filePath(QStringLiteral("absent"))).isEmpty());
}

struct NamedFile
{
    const char *caseName;
    QByteArray contents;
    const char *name;
};

class LanguageName : public testing::TestWithParam<NamedFile>
{
};

TEST_P(LanguageName, isTheFilesOwnElseTheFileName)
{
    EXPECT_EQ(languageName(GetParam().contents, QStringLiteral("deutsch.tabulang")),
              QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Files, LanguageName,
    testing::Values(NamedFile{"key", "// Sprache: Deutsch\nLANGUAGE_NAME: Deutsch\nIDOK: OK\n", "Deutsch"},
                    NamedFile{"keyBeatsHeader", "// Language: German\nLANGUAGE_NAME:  Deutsch  // own name\n",
                              "Deutsch"},
                    NamedFile{"headerOfAnOlderFile",
                              "// Tabulet language file\r\n//   language:  Fran\xc3\xa7"
                              "ais\r\nIDOK: OK\n",
                              "Fran\xc3\xa7"
                              "ais"},
                    NamedFile{"headerInWindows1252",
                              "// Language: Fran\xe7"
                              "ais\n",
                              "Fran\xc3\xa7"
                              "ais"},
                    NamedFile{"headerAfterTheFirstEntryIsText", "IDOK: OK\n// Language: Deutsch\n", "deutsch"},
                    NamedFile{"emptyKeyFallsThrough", "// Language: Deutsch\nLANGUAGE_NAME:\n", "Deutsch"},
                    NamedFile{"emptyHeader", "// Language:\nIDOK: OK\n", "deutsch"},
                    NamedFile{"nothing", "", "deutsch"}),
    [](const testing::TestParamInfo<NamedFile> &param) { return std::string(param.param.caseName); });

TEST_F(LanguageFiles, listLanguages_namesEachListedFile_unreadableOnesByTheirFileName)
{
    inProgram(QStringLiteral("english.tabulang"), "LANGUAGE_NAME: English\n");
    inUser(QStringLiteral("deutsch.tabulang"), "LANGUAGE_NAME: Deutsch\n");
    inUser(QStringLiteral("Klingon.TABULANG"), QByteArray(TextTable::kMaxFileSize + 1, ' '));
    const std::vector<InstalledLanguage> languages = listLanguages(user(), program());
    ASSERT_EQ(languages.size(), 3u);
    EXPECT_EQ(languages[0].file, QStringLiteral("Klingon.TABULANG"));
    EXPECT_EQ(languages[0].name, QStringLiteral("Klingon"));
    EXPECT_EQ(languages[1].file, QStringLiteral("deutsch.tabulang"));
    EXPECT_EQ(languages[1].name, QStringLiteral("Deutsch"));
    EXPECT_EQ(languages[2].name, QStringLiteral("English"));
}

TEST_F(LanguageFiles, languageFilePath_prefersUserFolder)
{
    inProgram(QStringLiteral("english.tabulang"));
    inProgram(QStringLiteral("deutsch.tabulang"));
    inUser(QStringLiteral("deutsch.tabulang"));

    EXPECT_EQ(languageFilePath(QStringLiteral("deutsch.tabulang"), user(), program()),
              user() + QStringLiteral("/deutsch.tabulang"));
    EXPECT_EQ(languageFilePath(QStringLiteral("english.tabulang"), user(), program()),
              program() + QStringLiteral("/english.tabulang"));
    EXPECT_TRUE(languageFilePath(QStringLiteral("absent.tabulang"), user(), program()).isEmpty());
}

TEST_F(LanguageFiles, languageFilePath_neverLeavesTheFolders)
{
    create(root.filePath(QStringLiteral("outside.tabulang")));
    inProgram(QStringLiteral("english.tabulang"));
    for (const QString &name :
         {QStringLiteral("../outside.tabulang"), QStringLiteral("..\\outside.tabulang"),
          root.filePath(QStringLiteral("outside.tabulang")), QStringLiteral(".."), QStringLiteral("."), QString()}) {
        EXPECT_TRUE(languageFilePath(name, user(), program()).isEmpty()) << name.toStdString();
    }
}

TEST_F(LanguageFiles, loadConfiguredLanguage_takesConfiguredFile)
{
    inProgram(QStringLiteral("deutsch.tabulang"), "IDOK: Gut\n");
    inProgram(QStringLiteral("english.tabulang"), "IDOK: OK\n");
    TextTable table;
    EXPECT_TRUE(loadConfiguredLanguage(table, QStringLiteral("english.tabulang"), user(), program()));
    EXPECT_EQ(table.text(QStringLiteral("IDOK")), QStringLiteral("OK"));
}

TEST_F(LanguageFiles, loadConfiguredLanguage_fallsBackToFirstListedFile)
{
    inProgram(QStringLiteral("english.tabulang"), "IDOK: OK\n");
    inUser(QStringLiteral("mine.tabulang"), "IDOK: Mine\n");
    for (const QString &configured : {QStringLiteral("missing.tabulang"), QStringLiteral("../english.tabulang")}) {
        TextTable table;
        EXPECT_TRUE(loadConfiguredLanguage(table, configured, user(), program()));
        EXPECT_EQ(table.text(QStringLiteral("IDOK")), QStringLiteral("Mine")) << configured.toStdString();
    }
}

TEST_F(LanguageFiles, loadConfiguredLanguage_failsWithoutLanguageFiles)
{
    TextTable table;
    EXPECT_FALSE(loadConfiguredLanguage(table, QStringLiteral("english.tabulang"), user(), program()));
    EXPECT_EQ(table.size(), 0);
}

} // namespace
} // namespace tabulet::lang
