#include "plugins/hostapi.h"
#include "plugins/hostarguments.h"
#include "plugins/pluginhost.h"

namespace tabulet::plugins::api {

namespace {

// Longest text a script may insert at once: far beyond any note, short of what would keep the
// editor busy for minutes.
constexpr qsizetype kLongestInsertedText = qsizetype{16} << 20;

void setField(lua_State *lua, const char *key, int value)
{
    lua_pushinteger(lua, value);
    lua_setfield(lua, -2, key);
}

QString insertedText(const Arguments &args, int n)
{
    const QByteArray bytes = args.bytes(n);
    if (bytes.size() > kLongestInsertedText)
        luaL_error(args.lua(), "text of %d bytes is too long to insert (at most %d)", static_cast<int>(bytes.size()),
                   static_cast<int>(kLongestInsertedText));
    return args.text(n);
}

// The text of a line over its span, or nothing for a line outside the editor.
std::optional<QString> lineText(const PluginEditor &editor, int line)
{
    if (line < 0 || line >= editor.lineCount())
        return std::nullopt;
    const int start = editor.lineStart(line);
    return editor.text({start, start + lineSpan(editor, line)});
}

int pushLine(const Arguments &args, const std::optional<QString> &text)
{
    args.push(text.has_value());
    args.push(text.value_or(QString()));
    return 2;
}

} // namespace

int getSelection(lua_State *lua)
{
    const Arguments args(lua);
    const PluginEditor &editor = args.host().editor();
    const TextRange selection = editor.selection();
    const int firstLine = editor.lineFromPosition(selection.start);
    const int lastLine = editor.lineFromPosition(selection.end);
    const int lastLineStart = editor.lineStart(lastLine);
    lua_createtable(lua, 0, 6);
    setField(lua, "minc", selection.start);
    setField(lua, "maxc", selection.end);
    setField(lua, "minline", firstLine);
    setField(lua, "maxline", lastLine);
    setField(lua, "mincline", editor.lineStart(firstLine));
    setField(lua, "maxcline", lastLineStart + lineSpan(editor, lastLine));
    return 1;
}

int setSelection(lua_State *lua)
{
    const Arguments args(lua);
    args.host().editor().select({args.integer(1), args.integer(2)});
    return 0;
}

int getLineBlockLimits(lua_State *lua)
{
    const Arguments args(lua);
    const int first = args.integer(1);
    const int last = args.integer(2);
    const PluginEditor &editor = args.host().editor();
    lua_createtable(lua, 0, 2);
    setField(lua, "mincline", editor.lineStart(first));
    setField(lua, "maxcline", editor.lineStart(last) + lineSpan(editor, last));
    return 1;
}

int getLine(lua_State *lua)
{
    const Arguments args(lua);
    return pushLine(args, lineText(args.host().editor(), args.integer(1)));
}

int setLine(lua_State *lua)
{
    const Arguments args(lua);
    const int line = args.integer(1);
    const QString text = insertedText(args, 2);
    PluginEditor &editor = args.host().editor();
    if (line < 0 || line >= editor.lineCount())
        return 0;
    const int start = editor.lineStart(line);
    editor.replace({start, start + lineSpan(editor, line)}, text);
    return 0;
}

int getCursorPos(lua_State *lua)
{
    const Arguments args(lua);
    const TextRange selection = args.host().editor().selection();
    args.push(selection.start == selection.end);
    args.push(selection.start);
    return 2;
}

int getText(lua_State *lua)
{
    const Arguments args(lua);
    const int start = args.integer(1);
    const int end = args.integer(2);
    const PluginEditor &editor = args.host().editor();
    const int length = editor.textLength();
    const int from = clampPosition(start, length);
    const int to = clampPosition(end, length);
    args.push(start >= 0 && start <= length && end >= 0 && end <= length);
    args.push(from <= to ? editor.text({from, to}) : QString());
    return 2;
}

int setText(lua_State *lua)
{
    const Arguments args(lua);
    const TextRange range{args.integer(1), args.integer(2)};
    const QString text = insertedText(args, 3);
    args.host().editor().replace(range, text);
    return 0;
}

int getWords(lua_State *lua)
{
    const Arguments args(lua);
    const int start = args.integer(1);
    const int end = args.integer(2);
    const QString delimiters = args.text(3);
    const bool keep = args.isSet(4);
    const PluginEditor &editor = args.host().editor();
    const int length = editor.textLength();
    const int from = clampPosition(start, length);
    const int to = clampPosition(end, length);
    const QString text = from <= to ? editor.text({from, to}) : QString();

    lua_newtable(lua);
    int key = 0;
    auto store = [&](const QString &piece) {
        args.push(piece);
        lua_rawseti(lua, -2, ++key);
    };
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atDelimiter = i < text.size() && delimiters.contains(text.at(i));
        if (i < text.size() && !atDelimiter)
            continue;
        if (i > wordStart)
            store(text.mid(wordStart, i - wordStart));
        if (atDelimiter && keep)
            store(text.at(i));
        wordStart = i + 1;
    }
    return 1;
}

int getNumLines(lua_State *lua)
{
    const Arguments args(lua);
    args.push(args.host().editor().lineCount());
    return 1;
}

int getCurrentLine(lua_State *lua)
{
    const Arguments args(lua);
    const PluginEditor &editor = args.host().editor();
    if (editor.textLength() == 0 || args.host().noteLoading())
        return pushLine(args, std::nullopt);
    return pushLine(args, lineText(editor, editor.lineFromPosition(editor.selection().start)));
}

int getTextSize(lua_State *lua)
{
    const Arguments args(lua);
    args.push(args.host().editor().textLength());
    return 1;
}

int copy(lua_State *lua)
{
    const Arguments args(lua);
    args.host().editor().copy();
    return 0;
}

int cut(lua_State *lua)
{
    const Arguments args(lua);
    args.host().editor().cut();
    return 0;
}

int paste(lua_State *lua)
{
    const Arguments args(lua);
    args.host().editor().paste();
    return 0;
}

} // namespace tabulet::plugins::api
