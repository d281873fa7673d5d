#include "commands/commandtable.h"
#include "lang/texttable.h"
#include "plugins/pluginhost.h"
#include "printers.h"
#include "settings/settings.h"
#include "ui/editor/noteeditor.h"
#include "ui/pluginhost/plugineditorbridge.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tabulet;

namespace {

// A note editor that reads and writes note files with a plug-in's file events around it.
class PluginFiles : public ::testing::Test
{
protected:
    void start(const QByteArray &events)
    {
        QDir(folder.path()).mkpath(QStringLiteral("plugins"));
        write(
            QStringLiteral("plugins/files.lua"),
            "function versionInfo() tb:setPluginInfo('Files', '1', '', '', '', '2.1.0') end\n"
            "events = ''\n"
            "function initPlugin() " +
                events +
                " end\n"
                "function note(e) events = events .. e .. ' ' end\n"
                "function preLoad() note('pre-load') if redirect then tb.setLoadFilename(redirect) end end\n"
                "function loadBuffer() note('load-buffer') if replacement then tb.setLoadBuffer(replacement) end end\n"
                "function postLoad() note('post-load') end\n"
                "function preSave() note('pre-save') end\n"
                "function saveBuffer() note('save-buffer') tb.setSaveBuffer('{\\\\rtf1 encoded\\\\par}') end\n"
                "function postSave() note('post-save') end\n");
        host.loadPlugins({folder.path() + QStringLiteral("/plugins")}, folder.path());
        lua = host.table().find(folder.path() + QStringLiteral("/plugins/files.lua"))->state->lua();
        editor.setPluginHost(&host);
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.path() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void setGlobal(const char *name, const QByteArray &value)
    {
        lua_pushlstring(lua, value.constData(), static_cast<size_t>(value.size()));
        lua_setglobal(lua, name);
    }

    // The events the plug-in saw since the last call.
    QString events()
    {
        lua_getglobal(lua, "events");
        const QString seen = QString::fromUtf8(lua_tostring(lua, -1)).trimmed();
        lua_pop(lua, 1);
        setGlobal("events", "");
        return seen;
    }

    static constexpr char kAll[] = "tb.registerPreLoad('preLoad') tb.registerLoadBuffer('loadBuffer') "
                                   "tb.registerPostLoad('postLoad') tb.registerPreSave('preSave') "
                                   "tb.registerSaveBuffer('saveBuffer') tb.registerPostSave('postSave')";

    QTemporaryDir folder;
    settings::Settings settings;
    commands::CommandTable commands;
    lang::TextTable texts;
    plugins::PluginHost host{settings, commands, texts};
    ui::NoteEditor editor;
    lua_State *lua = nullptr;
};

TEST_F(PluginFiles, eventsComeInOrderAndAnEmptyFileRaisesOnlyPreLoad)
{
    start(kAll);
    const QString note = write(QStringLiteral("tab00001.rtf"), "{\\rtf1 own text\\par}");
    const QString empty = write(QStringLiteral("tab00002.rtf"), "");
    ASSERT_TRUE(editor.loadNoteFile(note));
    EXPECT_EQ(events(), QStringLiteral("pre-load load-buffer post-load"));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("own text"));
    ASSERT_TRUE(editor.saveNoteFile(note));
    EXPECT_EQ(events(), QStringLiteral("pre-save save-buffer post-save"));
    QFile written(note);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("{\\rtf1 encoded\\par}"));
    ASSERT_TRUE(editor.loadNoteFile(empty));
    EXPECT_EQ(events(), QStringLiteral("pre-load"));
}

TEST_F(PluginFiles, pluginsMayReadAnotherFileOrOtherBytes)
{
    start(kAll);
    const QString note = write(QStringLiteral("tab00001.rtf"), "{\\rtf1 own text\\par}");
    const QString other = write(QStringLiteral("other.rtf"), "{\\rtf1 other text\\par}");
    setGlobal("redirect", other.toUtf8());
    ASSERT_TRUE(editor.loadNoteFile(note));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("other text"));
    setGlobal("redirect", QFile::encodeName(folder.path() + QStringLiteral("/missing.rtf")));
    ASSERT_TRUE(editor.loadNoteFile(note));
    EXPECT_EQ(editor.toPlainText(), QString());
    lua_pushnil(lua);
    lua_setglobal(lua, "redirect");
    setGlobal("replacement", "{\\rtf1 decoded\\par}");
    ASSERT_TRUE(editor.loadNoteFile(note));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("decoded"));
    QFile onDisk(note);
    ASSERT_TRUE(onDisk.open(QIODevice::ReadOnly));
    EXPECT_EQ(onDisk.readAll(), QByteArray("{\\rtf1 own text\\par}"));
}

// Saving bytes the file holds already leaves the file alone (a write would put a new file in its
// place); the events come all the same.
TEST_F(PluginFiles, savingWhatTheFileHolds_raisesTheEventsWithoutWriting)
{
    start("tb.registerPreSave('preSave') tb.registerPostSave('postSave')");
    const QString note = write(QStringLiteral("tab00001.rtf"), "{\\rtf1 text\\par}");
    ASSERT_TRUE(editor.loadNoteFile(note));
    ASSERT_TRUE(editor.saveNoteFile(note));
    const auto fileId = [&note] {
        struct stat status{};
        return ::stat(QFile::encodeName(note).constData(), &status) == 0 ? status.st_ino : ino_t(0);
    };
    const ino_t written = fileId();
    events();
    ASSERT_TRUE(editor.saveNoteFile(note));
    EXPECT_EQ(events(), QStringLiteral("pre-save post-save"));
    EXPECT_EQ(fileId(), written);
    editor.insertPlainText(QStringLiteral("more "));
    ASSERT_TRUE(editor.saveNoteFile(note));
    EXPECT_NE(fileId(), written) << "changed bytes are written";
}

// Without a load-buffer callback the plug-ins still read the bytes of the note last read, a
// note kept laid out included; while a note is read, no current line is told.
TEST_F(PluginFiles, loadBufferIsKeptWithoutItsCallback_andNoLineIsCurrentWhileLoading)
{
    start("tb.registerPreLoad('lineBefore') tb.registerPostLoad('afterLoad')\n"
          "function lineBefore() local ok, t = tb.getCurrentLine() note(tostring(ok) .. '[' .. t .. ']') end\n"
          "function afterLoad() local ok, t = tb.getCurrentLine() "
          "note(tb.getLoadBuffer() .. ' ' .. tostring(ok) .. '[' .. t .. ']') end");
    ui::PluginEditorBridge bridge(editor);
    host.setEditor(&bridge);
    const QString first = write(QStringLiteral("tab00001.rtf"), "{\\rtf1 first\\par}");
    const QString second = write(QStringLiteral("tab00002.rtf"), "{\\rtf1 second\\par}");
    ASSERT_TRUE(editor.loadNoteFile(first));
    events();
    ASSERT_TRUE(editor.loadNoteFile(second));
    EXPECT_EQ(events(), QStringLiteral("false[] {\\rtf1 second\\par} true[second]"));
    ASSERT_TRUE(editor.loadNoteFile(first));
    EXPECT_EQ(events(), QStringLiteral("false[] {\\rtf1 first\\par} true[first]"));
    host.setEditor(nullptr);
}

} // namespace
