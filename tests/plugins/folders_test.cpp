#include "plugins/pluginfolders.h"
#include "settings/folderset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tabulet;
using namespace tabulet::plugins;

namespace {

// The user's own data folder, a notes folder given with -homedir, and the user's configuration.
class ScriptFolders : public ::testing::Test
{
protected:
    ScriptFolders()
    {
        folders.dataFolder = root.filePath(QStringLiteral("own"));
        folders.pluginsFolder = root.filePath(QStringLiteral("own/plugins"));
        folders.programFolder = root.filePath(QStringLiteral("program"));
        QDir().mkpath(folders.pluginsFolder);
    }

    // The folders of a run, recording the questions, which `answer` answers.
    QStringList foldersOfRun(bool answer)
    {
        FolderConsent consent(consentFile);
        return scriptFolders(folders, consent, [&](const QString &folder) {
            asked << folder;
            return answer;
        });
    }

    void writeScript(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile script(path);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("os.execute('anything')");
    }

    QString ownAndProgram(const QStringList &before = {}) const
    {
        return (before + QStringList{folders.pluginsFolder, folders.programPluginsFolder()}).join(u'|');
    }

    QTemporaryDir root;
    settings::FolderSet folders;
    const QString consentFile = root.filePath(QStringLiteral("config/tabulet/plugin-folders"));
    QStringList asked;
};

TEST_F(ScriptFolders, theUsersOwnDataFolderNeedsNoQuestion)
{
    writeScript(folders.pluginsFolder + QStringLiteral("/own.lua"));
    EXPECT_EQ(foldersOfRun(false).join(u'|'), ownAndProgram());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(ScriptFolders, aNotesFolderWithoutScriptsNeedsNoQuestion)
{
    folders.dataFolder = root.filePath(QStringLiteral("notes"));
    QDir().mkpath(folders.dataFolder + QStringLiteral("/plugins/empty"));
    EXPECT_EQ(foldersOfRun(true).join(u'|'), ownAndProgram());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(ScriptFolders, aNotesFoldersScriptsRunOnlyWhenTheUserSaidYesOnceForThatFolder)
{
    const QString yes = root.filePath(QStringLiteral("trusted"));
    const QString no = root.filePath(QStringLiteral("stranger"));
    for (const QString &folder : {yes, no})
        writeScript(folder + QStringLiteral("/plugins/sub/script.lua"));

    folders.dataFolder = yes;
    EXPECT_EQ(foldersOfRun(true).join(u'|'), ownAndProgram({yes + QStringLiteral("/plugins")}));
    folders.dataFolder = no;
    EXPECT_EQ(foldersOfRun(false).join(u'|'), ownAndProgram());
    EXPECT_EQ(asked, QStringList({yes + QStringLiteral("/plugins"), no + QStringLiteral("/plugins")}));

    // Later runs keep the answers without asking, also when the folder is reached by a link.
    asked.clear();
    ASSERT_TRUE(QFile::link(yes, root.filePath(QStringLiteral("link"))));
    folders.dataFolder = root.filePath(QStringLiteral("link"));
    EXPECT_EQ(foldersOfRun(false).join(u'|'), ownAndProgram({folders.dataFolder + QStringLiteral("/plugins")}));
    folders.dataFolder = no;
    EXPECT_EQ(foldersOfRun(true).join(u'|'), ownAndProgram());
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(no + QStringLiteral("/plugin-folders")));
}

TEST_F(ScriptFolders, aFolderNameCannotAnswerForAnotherFolder)
{
    const QString victim = root.filePath(QStringLiteral("victim"));
    const QString crafted = root.filePath(QStringLiteral("x/plugins\nallow\t") + victim);
    for (const QString &folder : {victim, crafted})
        writeScript(folder + QStringLiteral("/plugins/script.lua"));
    folders.dataFolder = crafted;
    EXPECT_EQ(foldersOfRun(false).join(u'|'), ownAndProgram());
    folders.dataFolder = victim;
    EXPECT_EQ(foldersOfRun(false).join(u'|'), ownAndProgram());
    EXPECT_EQ(asked, QStringList({crafted + QStringLiteral("/plugins"), victim + QStringLiteral("/plugins")}));
}

} // namespace
