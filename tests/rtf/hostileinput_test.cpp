#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include "rtftestsupport.h"

#include <gtest/gtest.h>

#include <array>

namespace tabulet::rtf {
namespace {

// Whatever was read, the writer's form of it reads back to the same document.
void expectStable(const RichTextDocument &document)
{
    const QByteArray written = writeRtf(document);
    EXPECT_EQ(readRtf(written), document) << written.constData();
}

TEST(RtfHostileInput, unbalancedBraces_keepTheText)
{
    EXPECT_EQ(readRtf("{\\rtf1 a}}}}b").plainText(), u"a"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 {{{\\b a").plainText(), u"a"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 {a}}b").plainText(), u"a"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 a\\").plainText(), u"a"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 a\\'").plainText(), u"a"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 a\\'e").plainText(), u"a\u000e"_qs);
}

TEST(RtfHostileInput, truncatedAtEveryByte_readsWithoutFault)
{
    const QByteArray sample = test::dataFile("richedit-formats.rtf");
    ASSERT_FALSE(sample.isEmpty());
    for (qsizetype length = 0; length <= sample.size(); ++length) {
        const RichTextDocument document = readRtf(sample.left(length));
        ASSERT_FALSE(document.paragraphs.empty()) << length;
        if (length % 8 == 0) {
            ASSERT_EQ(readRtf(writeRtf(document)), document) << length;
        }
    }
}

TEST(RtfHostileInput, hundredThousandNestedGroups_needNoRecursion)
{
    constexpr int depth = 100'000;
    const QByteArray nested = "{\\rtf1 " + QByteArray(depth, '{') + "\\b x" + QByteArray(depth, '}') + "y}";
    const RichTextDocument document = readRtf(nested);
    EXPECT_EQ(document.plainText(), u"xy"_qs);
    EXPECT_TRUE(test::runWithText(document, "x")->format.bold);
    EXPECT_FALSE(test::runWithText(document, "y")->format.bold);

    const QByteArray unclosed = "{\\rtf1 " + QByteArray(depth, '{') + "{\\*\\fldinst x}{\\pict 00}z";
    EXPECT_EQ(readRtf(unclosed).plainText(), u"z"_qs);
}

TEST(RtfHostileInput, numbersFarOutOfRange_areBounded)
{
    const RichTextDocument document =
        readRtf(test::body("\\fs99999999999999999999999\\li-99999999999\\sl-2147483648\\cf-3\\f-7\\pnstart-5"
                           "\\uc99999999 {\\uc1\\u99999999?}{\\u-99999999?}x\\par"));
    ASSERT_EQ(document.paragraphs.size(), 1u);
    const auto *run = test::runWithText(document, "\xef\xbf\xbd\xef\xbf\xbdx");
    ASSERT_NE(run, nullptr) << document.plainText().toStdString();
    EXPECT_EQ(run->format.sizeHalfPoints, 3276);
    EXPECT_FALSE(run->format.textColour);
    EXPECT_GE(document.paragraphs[0].format.startIndent, -(1 << 20));
    expectStable(document);
}

TEST(RtfHostileInput, binaryLengthsOutOfRange_skipOnlyWhatIsThere)
{
    EXPECT_EQ(readRtf("{\\rtf1 a\\bin2147483647 xyz}").plainText(), u"a"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 a\\bin99999999999999999999 xyz}").plainText(), u"a"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 a\\bin-5 b}").plainText(), u"ab"_qs);
    EXPECT_EQ(readRtf("{\\rtf1 {\\pict\\pngblip\\bin999 \x89PNG}c}").plainText(), u""_qs);
}

TEST(RtfHostileInput, hugePictures_areDroppedAndTextAfterThemKept)
{
    const QByteArray png = test::pngBytes(1, 1);
    constexpr qsizetype hundredMegabytes = 100 * 1024 * 1024;
    QByteArray binary = "{\\rtf1 {\\pict\\pngblip\\bin" + QByteArray::number(hundredMegabytes) + " " + png;
    binary.append(hundredMegabytes - png.size(), 'x');
    binary += "}after}";
    EXPECT_EQ(readRtf(binary).plainText(), u"after"_qs);
    binary = QByteArray();

    QByteArray hex = "{\\rtf1 {\\pict\\jpegblip " + png.toHex();
    hex.append(2 * kMaxPictureBytes, 'a');
    hex += "}after}";
    EXPECT_EQ(readRtf(hex).plainText(), u"after"_qs);
}

TEST(RtfHostileInput, manyPictures_stopAtTotalBound)
{
    const QByteArray group = "{\\pict\\pngblip " + test::pngBytes(1, 1).toHex() + "}";
    QByteArray input = "{\\rtf1 ";
    for (int i = 0; i < 10; ++i)
        input += group;
    ReadLimits limits;
    limits.totalPictureBytes = 4 * test::pngBytes(1, 1).size();
    const RichTextDocument document = readRtf(input + "}", limits);
    ASSERT_EQ(document.paragraphs.size(), 1u);
    EXPECT_EQ(document.paragraphs[0].runs.size(), 4u);
}

TEST(RtfHostileInput, manyParagraphsAndRuns_keepAllTextPastTheBound)
{
    QByteArray input = "{\\rtf1 ";
    for (int i = 0; i < 50; ++i)
        input += "{\\b a}b\\par ";
    ReadLimits limits;
    limits.elements = 30;
    const RichTextDocument document = readRtf(input + "}", limits);
    qsizetype elements = 0;
    for (const Paragraph &paragraph : document.paragraphs)
        elements += 1 + static_cast<qsizetype>(paragraph.runs.size());
    EXPECT_LE(elements, limits.elements + 2); // the last paragraph and its one run
    const QString text = document.plainText();
    EXPECT_EQ(text.count(u'a') + text.count(u'b'), 100);
    EXPECT_GE(text.count(u'\n') + text.count(QChar(0x2028)), 49);
}

TEST(RtfHostileInput, randomBytesAndRandomTokens_readWithoutFault)
{
    std::mt19937 generator(1614);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 300; ++i) {
        QByteArray input = "{\\rtf1 ";
        for (int k = 0; k < 2000; ++k)
            input += static_cast<char>(byte(generator));
        expectStable(readRtf(input));
    }
    static const std::array<const char *, 32> tokens{"{",
                                                     "}",
                                                     "\\b ",
                                                     "\\par ",
                                                     "\\'e9",
                                                     "\\'82",
                                                     "\\u-10179?",
                                                     "\\uc2 ",
                                                     "\\bin3 ",
                                                     "\\pict ",
                                                     "\\pngblip ",
                                                     "89504e",
                                                     "\\*",
                                                     "\\fldinst ",
                                                     "\\fldrslt ",
                                                     "\\field ",
                                                     "HYPERLINK \"x\" ",
                                                     "\\fonttbl ",
                                                     "\\f1 ",
                                                     ";",
                                                     "\\colortbl ",
                                                     "\\red9 ",
                                                     "\\cell ",
                                                     "\\row ",
                                                     "\\intbl ",
                                                     "\\pn ",
                                                     "\\pnlvlblt ",
                                                     "\\ls1 ",
                                                     "\\listtable ",
                                                     "\\upr ",
                                                     "\\ud ",
                                                     "text "};
    std::uniform_int_distribution<std::size_t> token(0, tokens.size() - 1);
    for (int i = 0; i < 500; ++i) {
        QByteArray input = "{\\rtf1\\ansicpg932 ";
        for (int k = 0; k < 200; ++k)
            input += tokens[token(generator)];
        expectStable(readRtf(input));
    }
}

} // namespace
} // namespace tabulet::rtf
