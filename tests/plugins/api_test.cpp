#include "pluginfixture.h"

#include "plugins/hostfunctions.h"

#include <QRegularExpression>

using namespace tabulet::plugins;
using namespace tabulet::plugins::testing;

namespace {

// A script snippet run against the editor text "ab\ncd" with the caret at 4 (inside "cd"); it
// leaves its answer in the global `result`.
struct ApiCase
{
    const char *name;
    const char *code;
    const char *result;
    const char *textAfter = "ab\ncd";
};

class Api : public PluginFixture, public ::testing::WithParamInterface<ApiCase>
{
protected:
    Api()
    {
        editor.content = QStringLiteral("ab\ncd");
        editor.selected = {4, 4};
    }
};

// Lua helpers for the cases: the fields of a table in a fixed order.
constexpr char kShow[] = "function show(t, keys) local s = {} for _, k in ipairs(keys) do s[#s + 1] = "
                         "k .. '=' .. tostring(t[k]) end return table.concat(s, ' ') end\n"
                         "function list(t) return table.concat(t, '|') end\n";

TEST_P(Api, givesTheDocumentedResult)
{
    ASSERT_TRUE(run(QByteArray(kShow) + GetParam().code)) << GetParam().code;
    EXPECT_EQ(global("result"), QString::fromUtf8(GetParam().result));
    EXPECT_EQ(editor.content, QString::fromUtf8(GetParam().textAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Text, Api,
    ::testing::Values(
        ApiCase{"getLineOfEachLine",
                "local a, b = tb:getLine(0) local c, d = tb:getLine(1) local e, f = tb:getLine(2) "
                "result = tostring(a) .. b .. tostring(c) .. d .. tostring(e) .. '[' .. f .. ']'",
                "trueab\ntruecdfalse[]"},
        ApiCase{"setLineOfLastLine", "tb:setLine(1, 'xy') result = 1", "1", "ab\nxy"},
        ApiCase{"setLineTakesTheBreakAlong", "tb:setLine(0, 'z') result = 1", "1", "zcd"},
        ApiCase{"setLineOutsideDoesNothing", "tb:setLine(5, 'z') result = 1", "1"},
        ApiCase{"getSelectionOfCaretInSecondLine",
                "result = show(tb:getSelection(), {'minc', 'maxc', 'minline', 'maxline', 'mincline', 'maxcline'})",
                "minc=4 maxc=4 minline=1 maxline=1 mincline=3 maxcline=5"},
        ApiCase{"getLineBlockLimits", "result = show(tb:getLineBlockLimits(0, 0), {'mincline', 'maxcline'})",
                "mincline=0 maxcline=3"},
        ApiCase{"getTextClampsAndTellsSo",
                "local ok, t = tb:getText(-1, 100) local ok2, t2 = tb.getText(1, 2) "
                "result = tostring(ok) .. t .. tostring(ok2) .. t2",
                "falseab\ncdtrueb"},
        ApiCase{"getCursorPos", "local none, at = tb:getCursorPos() result = tostring(none) .. at", "true4"},
        ApiCase{"getCurrentLine", "local ok, t = tb:getCurrentLine() result = tostring(ok) .. t", "truecd"},
        ApiCase{"countsOfText", "result = tb:getNumLines() .. ' ' .. tb:getTextSize()", "2 5"},
        ApiCase{"setTextLeavesCaretAfterIt", "tb:setText(0, 2, 'hello') result = select(2, tb:getCursorPos())", "5",
                "hello\ncd"},
        ApiCase{"findIsCaseBlindUnlessAsked",
                "local a = tb:find('C', {}) local b = tb:find('C', {matchcase = 1}) "
                "local c = tb:findLast('b', {start = 5}) local d = tb:find('x', {}) "
                "result = show(a, {'min', 'max'}) .. ' ' .. show(b, {'min'}) .. ' ' .. show(c, {'min'}) .. ' ' .. "
                "show(d, {'min', 'max'})",
                "min=3 max=4 min=-1 min=1 min=-1 max=-1"},
        ApiCase{"cutAndPaste", "tb:setSelection(0, 2) tb:cut() tb:setSelection(1, 1) tb:paste() result = 1", "1",
                "\nabcd"}),
    caseName<ApiCase>);

INSTANTIATE_TEST_SUITE_P(
    Values, Api,
    ::testing::Values(
        ApiCase{"xorReadsSigned32Bits", "result = tb:xor(5, 3) .. ' ' .. tb.xor(-1, 0) .. ' ' .. tb:xor(2^32 + 1, 3)",
                "6 -1 2"},
        ApiCase{"methodAndFieldCallsAgree", "result = tb:xor(6, 3) == tb.xor(6, 3) and tb.xor(9, 9, 6, 3) == 5",
                "true"},
        ApiCase{"numericStringsAndTruncation", "result = tb.xor('7', 1.9) .. ' ' .. tb.xor(-2.5, 0)", "6 -2"},
        ApiCase{"buffersKeepZeroBytesNamesEndAtThem",
                "tb:setSaveBuffer('a\\0b') tb:setSaveFilename('/tmp/x\\0y') "
                "result = #tb:getSaveBuffer() .. ' ' .. tb:getSaveFilename()",
                "3 /tmp/x"},
        ApiCase{"getWordsWithoutAndWithDelimiters",
                "tb:setText(0, 5, 'hello  world') "
                "result = list(tb:getWords(0, 12, ' ', nil)) .. ';' .. list(tb:getWords(0, 12, ' ', true))",
                "hello|world;hello| | |world", "hello  world"},
        ApiCase{"getWordsClampsTheRange", "result = list(tb:getWords(-5, 99, '\\n', nil))", "ab|cd"},
        ApiCase{"lastKeyStartsAtZero",
                "result = tb:getLastPressedKey() + tb:getLastPressedVKey() + tb:getLastPressedModifyer()", "0"},
        ApiCase{"configFileNameIsTheCallersOwn", "result = tb:getConfigFileName():match('[^/]*$')", "test.ini"}),
    caseName<ApiCase>);

struct ErrorCase
{
    const char *name;
    const char *code;
    const char *error;
};

class ApiError : public PluginFixture, public ::testing::WithParamInterface<ErrorCase>
{
};

TEST_P(ApiError, endsTheScriptFunctionWithAClearMessage)
{
    settings.value(QStringLiteral("scriptdebug")) = QStringLiteral("1");
    EXPECT_FALSE(run(GetParam().code));
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_TRUE(dialogs.shown[0].text.contains(QString::fromUtf8(GetParam().error)))
        << dialogs.shown[0].text.toStdString();
    EXPECT_EQ(lua_gettop(testState()), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ApiError,
                         ::testing::Values(ErrorCase{"methodCallWithTooFewArgumentsSeesTb", "tb:getText(1)",
                                                     "bad argument #1 to 'getText' (number expected, got table)"},
                                           ErrorCase{"fieldCallWithTooFewArguments", "tb.setText(1, 2)",
                                                     "bad argument #1 to 'setText' (number expected, got nil)"},
                                           ErrorCase{"stringWhereNumberIsNeeded", "tb.setSelection('a', 2)",
                                                     "bad argument #1 to 'setSelection' (number expected, got string)"},
                                           ErrorCase{"tableRequired", "tb.find('x', 5)",
                                                     "bad argument #2 to 'find' (table expected, got number)"},
                                           ErrorCase{"hugeText", "tb.setText(0, 0, string.rep('x', 17 * 1024 * 1024))",
                                                     "too long to insert"},
                                           ErrorCase{"dateOfNoNumber", "tb.getDateText('today')",
                                                     "bad argument #1 to 'getDateText' (number expected, got string)"},
                                           ErrorCase{"dateBeyondAnyCalendar", "tb.getDateText(1e300)",
                                                     "bad argument #1 to 'getDateText' (time out of range)"},
                                           ErrorCase{"unknownCommandWithScriptDebug",
                                                     "tb.callMenuCommand('noSuchCommand') error('after')",
                                                     "can't run function noSuchCommand': function not defined!"}),
                         caseName<ErrorCase>);

using ApiHost = PluginFixture;

TEST_F(ApiHost, tableHoldsTheFunctionsInRegistrationOrder)
{
    ASSERT_EQ(kHostFunctions.size(), 52u);
    EXPECT_STREQ(kHostFunctions.front().name, "setPluginInfo");
    EXPECT_STREQ(kHostFunctions[35].name, "xor");
    EXPECT_STREQ(kHostFunctions[48].name, "callMenuCommand");
    EXPECT_STREQ(kHostFunctions[49].name, "tell") << "our own functions come after the numbered ones";
    EXPECT_STREQ(kHostFunctions[50].name, "getDateText");
    EXPECT_STREQ(kHostFunctions[51].name, "getLanguage");
    ASSERT_TRUE(run("n = 0 for k, v in pairs(tb) do n = n + 1 end"));
    EXPECT_EQ(global("n"), QStringLiteral("52"));
}

TEST_F(ApiHost, characterFormatFlagsAreNumbersAndTrueCountsAsOff)
{
    editor.content = QStringLiteral("hello");
    ASSERT_TRUE(run("tb.setCharacterFormat(0, 5, {bold = true, italics = 1, superscript = 1, face = 12, "
                    "weight = 65537, color = {r = 1, g = 2, b = 259}})"));
    ASSERT_EQ(editor.formatsSet.size(), 1u);
    const CharacterFormat &set = editor.formatsSet[0].second;
    EXPECT_EQ(set.bold, false);
    EXPECT_EQ(set.italics, true);
    EXPECT_EQ(set.subscript, false);
    EXPECT_EQ(set.superscript, true);
    EXPECT_EQ(set.face, QStringLiteral("12"));
    EXPECT_EQ(set.weight, 1);
    EXPECT_EQ(set.colour, 0x030201u);
    EXPECT_FALSE(set.underline.has_value());
    EXPECT_FALSE(set.background.has_value());

    editor.formatOfRange.bold = true;
    editor.formatOfRange.colour = 0x0000ffu;
    ASSERT_TRUE(run("local f = tb:getCharacterFormat(0, 5) result = f.bold .. f.color.r .. f.subscript .. "
                    "tostring(f.italics) .. tostring(f.bgcolor)"));
    EXPECT_EQ(global("result"), QStringLiteral("12550nilnil"));
}

TEST_F(ApiHost, messagesShowAtMost64KiBOfAHugeText)
{
    ASSERT_TRUE(run("tb.alert(string.rep('x', 10 * 1024 * 1024))"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text.size(), 64 * 1024 + 1);
}

// The shipped word count tells its result in an information box named after it, with the
// singular for one in both languages.
struct WordCountCase
{
    const char *content;
    const char *told;
};

struct WordCountLanguage
{
    const char *name;
    const char *lang;
    const char *caption;
    std::vector<WordCountCase> cases;
};

class ShippedWordCount : public PluginFixture, public ::testing::WithParamInterface<WordCountLanguage>
{
};

TEST_P(ShippedWordCount, tellsItsCountsWithPlurals)
{
    QFile shipped(QStringLiteral(TABULET_SOURCE_DIR "/resources/plugins/wordcount.lua"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    host.setLanguage(QString::fromLatin1(GetParam().lang));
    const QString path = writeScript(QStringLiteral("wordcount.lua"), shipped.readAll());
    load();
    for (const WordCountCase &c : GetParam().cases) {
        dialogs.shown.clear();
        editor.content = QString::fromUtf8(c.content);
        ASSERT_TRUE(host.callScriptFunction(stateOf(path), "countWords"));
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.content;
        EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(c.told));
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(dialogs.shown[0].caption, QString::fromUtf8(GetParam().caption));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ShippedWordCount,
    ::testing::Values(WordCountLanguage{"english",
                                        "en",
                                        "Word count",
                                        {{"one", "Note: 1 word, 3 characters, 1 line"},
                                         {"two words\nand\n", "Note: 3 words, 14 characters, 2 lines"},
                                         {"", "Note: 0 words, 0 characters, 0 lines"}}},
                      WordCountLanguage{"german",
                                        "de",
                                        "Wortz\u00e4hlung",
                                        {{"ein", "Notiz: 1 Wort, 3 Zeichen, 1 Zeile"},
                                         {"zwei W\u00f6rter\nx", "Notiz: 3 W\u00f6rter, 13 Zeichen, 2 Zeilen"}}}),
    caseName<WordCountLanguage>);

// Dates are written in the language of the program's texts, whatever the process's locale.
struct DateCase
{
    const char *name;
    const char *language;
    const char *date;    // of 8 December 2026, 14:30 local time
    const char *shipped; // what the shipped plug-in's entry inserts today
};

class DateText : public PluginFixture, public ::testing::WithParamInterface<DateCase>
{
};

TEST_P(DateText, isTheLanguagesLongDateWithTheTime)
{
    host.setLanguage(QString::fromLatin1(GetParam().language));
    ASSERT_TRUE(run("result = tb:getDateText(os.time{year = 2026, month = 12, day = 8, hour = 14, min = 30})"));
    EXPECT_EQ(global("result"), QString::fromUtf8(GetParam().date));

    QFile shipped(QStringLiteral(TABULET_SOURCE_DIR "/resources/plugins/datetime.lua"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QString path = writeScript(QStringLiteral("datetime.lua"), shipped.readAll());
    load();
    editor.content = QStringLiteral("at: ");
    editor.selected = {4, 4};
    ASSERT_TRUE(host.callScriptFunction(stateOf(path), "insertLocal"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^at: ") + QString::fromUtf8(GetParam().shipped) + u'$')
                    .match(editor.content)
                    .hasMatch())
        << editor.content.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, DateText,
                         ::testing::Values(DateCase{"german", "de", "Dienstag, 8. Dezember 2026 14:30",
                                                    "\\w+, \\d{1,2}\\. \\w+ \\d{4} \\d\\d:\\d\\d"},
                                           DateCase{"english", "en", "Tuesday, December 8, 2026 2:30 PM",
                                                    "\\w+, \\w+ \\d{1,2}, \\d{4} \\d{1,2}:\\d\\d\\s[AP]M"}),
                         caseName<DateCase>);

TEST_F(ApiHost, lastKeyIsReadFromTheKeyboardsRecord)
{
    LastKey pressed{0x41, 4 + 2, 'A'};
    host.setLastKeyRecord(&pressed);
    ASSERT_TRUE(run("result = tb.getLastPressedVKey() .. ' ' .. tb.getLastPressedModifyer() .. ' ' .. "
                    "tb.getLastPressedKey()"));
    EXPECT_EQ(global("result"), QStringLiteral("65 6 65"));
}

TEST_F(ApiHost, callMenuCommandRunsCommandsByNameInAnyCase)
{
    ASSERT_TRUE(run("tb.callMenuCommand('MAKESELECTIONBOLD') tb.callMenuCommand('noSuchCommand')"));
    EXPECT_EQ(window.commandsRun, std::vector{tabulet::commands::CommandId::MakeSelectionBold});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ApiHost, withoutANoteWindowFunctionsDoNothingAndGiveEmptyResults)
{
    host.setEditor(nullptr);
    host.setWindow(nullptr);
    ASSERT_TRUE(run("tb.setText(0, 0, 'x') tb.callMenuCommand('exit') local ok, t = tb.getText(0, 1) "
                    "local found = tb.find('x', {}) local lineOk = tb.getLine(0) "
                    "result = tostring(ok) .. '[' .. t .. ']' .. found.min .. tostring(lineOk) .. tb.getTextSize()"));
    EXPECT_EQ(global("result"), QStringLiteral("false[]-1false0"));
    EXPECT_TRUE(window.commandsRun.empty());
}

} // namespace
