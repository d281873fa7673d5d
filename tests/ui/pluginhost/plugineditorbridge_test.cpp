#include "commands/commandtable.h"
#include "lang/texttable.h"
#include "plugins/hostfunctions.h"
#include "plugins/pluginhost.h"
#include "printers.h"
#include "settings/settings.h"
#include "ui/editor/noteeditor.h"
#include "ui/pluginhost/plugineditorbridge.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace tabulet;

namespace {

// Scripts run through the host against the real note editor, offscreen.
class EditorBridge : public ::testing::Test
{
protected:
    EditorBridge()
    {
        host.setEditor(&bridge);
        editor.setPlainText(QStringLiteral("ab\ncd"));
        QTextCursor caret(editor.document());
        caret.setPosition(4);
        editor.setTextCursor(caret);
        state.openLibraries();
    }

    // Runs Lua code with `tb` over the editor and returns its global `result` as text.
    QString run(const char *code)
    {
        lua_State *lua = state.lua();
        if (!registered) {
            EXPECT_TRUE(plugins::registerHostFunctions(lua, host));
            registered = true;
        }
        EXPECT_EQ(luaL_dostring(lua, code), 0) << lua_tostring(lua, -1);
        lua_getglobal(lua, "tostring");
        lua_getglobal(lua, "result");
        lua_call(lua, 1, 1);
        const QString result = QString::fromUtf8(lua_tostring(lua, -1));
        lua_settop(lua, 0);
        return result;
    }

    settings::Settings settings;
    commands::CommandTable commands;
    lang::TextTable texts;
    plugins::PluginHost host{settings, commands, texts};
    ui::NoteEditor editor;
    ui::PluginEditorBridge bridge{editor};
    plugins::ScriptState state;
    bool registered = false;
};

TEST_F(EditorBridge, countsParagraphBreaksAsOneCharacterAndLinesAsParagraphs)
{
    EXPECT_EQ(run("local ok, a = tb.getLine(0) local _, b = tb.getLine(1) local s = tb.getSelection() "
                  "result = a .. '|' .. b .. '|' .. tb.getTextSize() .. tb.getNumLines() .. s.mincline .. s.maxcline"),
              QStringLiteral("ab\n|cd|5235"));
    run("tb.setLine(0, 'z')");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("zcd"));
    run("tb.setText(1, 1, 'x\\r\\ny')");
    EXPECT_EQ(editor.document()->blockCount(), 2);
    EXPECT_EQ(run("local ok, t = tb.getText(0, tb.getTextSize()) result = t .. select(2, tb.getCursorPos())"),
              QStringLiteral("zx\nycd4"));
}

TEST_F(EditorBridge, readingARangeLeavesTheUsersSelection)
{
    QTextCursor selection(editor.document());
    selection.setPosition(0);
    selection.setPosition(2, QTextCursor::KeepAnchor);
    editor.setTextCursor(selection);
    EXPECT_EQ(run("local _, t = tb.getText(3, 5) local f = tb.find('C', {start = 1}) tb.setTextColor(3, 5, {r = 255}) "
                  "result = t .. f.min .. f.max"),
              QStringLiteral("cd34"));
    EXPECT_EQ(editor.textCursor().selectionStart(), 0);
    EXPECT_EQ(editor.textCursor().selectionEnd(), 2);
}

// The offset plug-ins set is in twips; the note keeps it in half-points as RTF's \\up and \\dn.
TEST_F(EditorBridge, offsetRaisesOrLowersAndIsSaved)
{
    EXPECT_EQ(run("tb.setCharacterFormat(0, 1, {offset = 60}) tb.setCharacterFormat(3, 4, {offset = -40}) "
                  "result = tb.getCharacterFormat(0, 1).offset .. ' ' .. tb.getCharacterFormat(3, 4).offset .. ' ' .. "
                  "tb.getCharacterFormat(1, 2).offset"),
              QStringLiteral("60 -40 0"));
    const QByteArray saved = editor.noteBytes();
    EXPECT_TRUE(saved.contains("\\up6") && saved.contains(" a\\up0 b")) << saved.constData();
    EXPECT_TRUE(saved.contains("\\dn4 c\\up0 d")) << saved.constData();
    editor.showNoteBytes(saved);
    EXPECT_EQ(run("result = tb.getCharacterFormat(0, 1).offset .. ' ' .. tb.getCharacterFormat(3, 4).offset"),
              QStringLiteral("60 -40"));
}

TEST_F(EditorBridge, characterFormatsRoundTrip)
{
    run("tb.setCharacterFormat(0, 2, {bold = 1, italics = 1, superscript = 1, face = 'DejaVu Serif', height = 360, "
        "color = {r = 10, g = 20, b = 30}})");
    EXPECT_EQ(run("local f = tb.getCharacterFormat(0, 2) result = f.bold .. f.italics .. f.superscript .. f.subscript "
                  ".. f.face .. f.height .. f.color.r .. f.color.g .. f.color.b .. tostring(f.bgcolor)"),
              QStringLiteral("1110DejaVu Serif360102030nil"));
    EXPECT_EQ(
        run("local f = tb.getCharacterFormat(0, 5) result = tostring(f.bold) .. tostring(f.color) .. f.subscript"),
        QStringLiteral("nilnil0"));
    run("tb.setCharacterFormat(0, 2, {bold = true})");
    EXPECT_EQ(run("result = tb.getCharacterFormat(0, 2).bold"), QStringLiteral("0"));
}

} // namespace
