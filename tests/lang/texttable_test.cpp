#include "lang/texttable.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

QByteArray operator""_bytes(const char *text, std::size_t size)
{
    return QByteArray(text, static_cast<qsizetype>(size));
}

struct LineCase
{
    const char *name;
    QByteArray file;
    QString key;
    QString expected;
};

class TextTableLine : public testing::TestWithParam<LineCase>
{
};

TEST_P(TextTableLine, load_givesTextOfKey)
{
    TextTable table;
    table.loadLanguageText(GetParam().file);
    EXPECT_TRUE(table.contains(GetParam().key));
    EXPECT_EQ(table.text(GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TextTableLine,
    testing::Values(
        LineCase{"blanksAndCommentAroundText",
                 "  CONFIRM_DELETE :  Delete this note?  // asked before deleting\n"_bytes, "CONFIRM_DELETE",
                 "Delete this note?"},
        LineCase{"backslashNBreaksLine", "INFO: first\\nsecond\n"_bytes, "INFO", "first\nsecond"},
        LineCase{"slashesInWebAddressCutText", "HOME: see http://example.org/x\n"_bytes, "HOME", "see http:"},
        LineCase{"laterColonsBelongToText", "IDOK:OK:yes\n"_bytes, "IDOK", "OK:yes"},
        LineCase{"secondLineOfKeyWins", "IDOK: first\nIDOK: second\n"_bytes, "IDOK", "second"},
        LineCase{"crlfLineEnds", "A: one\r\nB: two\r\n"_bytes, "A", "one"},
        LineCase{"lastLineWithoutLineEnd", "A: one\nB: two"_bytes, "B", "two"},
        LineCase{"tabsAreBlanks", "\tA\t:\tone\t\n"_bytes, "A", "one"}, LineCase{"emptyText", "A:\n"_bytes, "A", ""},
        LineCase{"keyWithInnerBlank", "MY KEY: x\n"_bytes, "MY KEY", "x"},
        LineCase{"nonBreakingSpaceKept", "Q: Quitter\xC2\xA0?\xC2\xA0\n"_bytes, "Q",
                 QString::fromUtf8("Quitter\u00A0?\u00A0")},
        LineCase{"windows1252Bytes", "UMLAUT: M\xE4rz \x80\n"_bytes, "UMLAUT", QString::fromUtf8("März €")},
        LineCase{"utf8WithByteOrderMark", "\xEF\xBB\xBFTITLE: Grüße\n"_bytes, "TITLE", QString::fromUtf8("Grüße")},
        LineCase{"nulBytesStayInText", "A: x\0y\n"_bytes, "A", QString(QStringLiteral("x")) + QChar(0) + u'y'}),
    [](const testing::TestParamInfo<LineCase> &testInfo) { return testInfo.param.name; });

TEST(TextTable, load_skipsLinesWithoutKeyAndCaseOfKeysMatters)
{
    TextTable table;
    table.loadLanguageText("// only a comment\n\njust words\n  // IDOK: commented out\nidok: lower\n"_bytes);
    EXPECT_EQ(table.keys(), QStringList{QStringLiteral("idok")});
    EXPECT_EQ(table.text(QStringLiteral("IDOK")), QString());
}

TEST(TextTable, text_entersMissingKeyWithEmptyText)
{
    TextTable table;
    EXPECT_FALSE(table.contains(QStringLiteral("NOTHERE")));
    EXPECT_TRUE(table.text(QStringLiteral("NOTHERE")).isEmpty());
    EXPECT_TRUE(table.contains(QStringLiteral("NOTHERE")));
}

TEST(TextTable, load_laysEntriesOverExistingOnes)
{
    TextTable table;
    table.loadLanguageText("A: first\nB: kept\n"_bytes);
    table.loadLanguageText("A: replaced\nC: added\n"_bytes);
    EXPECT_EQ(table.text(QStringLiteral("A")), QStringLiteral("replaced"));
    EXPECT_EQ(table.text(QStringLiteral("B")), QStringLiteral("kept"));
    EXPECT_EQ(table.text(QStringLiteral("C")), QStringLiteral("added"));
}

class TextTableFile : public testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder;
    TextTable table;
};

TEST_F(TextTableFile, loadLanguageFile_readsFile)
{
    EXPECT_TRUE(table.loadLanguageFile(write(QStringLiteral("english.tabulang"), "IDOK: OK\n"_bytes)));
    EXPECT_EQ(table.text(QStringLiteral("IDOK")), QStringLiteral("OK"));
}

TEST_F(TextTableFile, loadLanguageFile_emptyFileSucceedsAndAddsNothing)
{
    EXPECT_TRUE(table.loadLanguageFile(write(QStringLiteral("empty.tabulang"), {})));
    EXPECT_EQ(table.size(), 0);
}

TEST_F(TextTableFile, loadLanguageFile_failsAndKeepsTableWhenFileCannotBeRead)
{
    table.loadLanguageText("IDOK: OK\n"_bytes);
    EXPECT_FALSE(table.loadLanguageFile(folder.filePath(QStringLiteral("missing.tabulang"))));
    EXPECT_FALSE(table.loadLanguageFile(folder.path()));
    EXPECT_FALSE(table.loadLanguageFile(QString()));
    EXPECT_FALSE(table.loadLanguageFile(QStringLiteral("/dev/zero"))); // endless, size unknown
    EXPECT_EQ(table.keys(), QStringList{QStringLiteral("IDOK")});
}

TEST_F(TextTableFile, loadLanguageFile_refusesOversizedFileUnchanged)
{
    QByteArray huge = "BIG: text\n"_bytes;
    huge.append(TextTable::kMaxFileSize, 'x');
    EXPECT_FALSE(table.loadLanguageFile(write(QStringLiteral("huge.tabulang"), huge)));
    EXPECT_EQ(table.size(), 0);
}

TEST_F(TextTableFile, loadLanguageFile_readsFileOfLargestSizeWithoutLineEnds)
{
    QByteArray longLine = "LONG:"_bytes;
    longLine.append(TextTable::kMaxFileSize - longLine.size(), 'x');
    EXPECT_TRUE(table.loadLanguageFile(write(QStringLiteral("long.tabulang"), longLine)));
    EXPECT_EQ(table.text(QStringLiteral("LONG")).size(), TextTable::kMaxFileSize - 5);
}

} // namespace
} // namespace tabulet::lang
