#include "rtf/rtfreader.h"

#include "rtftestsupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace tabulet::rtf {
namespace {

using test::body;
using test::paragraphTexts;
using test::runWithText;

template<typename Case> std::string caseName(const testing::TestParamInfo<Case> &test)
{
    return test.param.name;
}

TEST(RtfReader, newNote_isOneEmptyParagraphInArial9)
{
    ASSERT_EQ(test::kNewNote.size(), 114);
    const RichTextDocument document = readRtf(test::kNewNote);
    ASSERT_EQ(document.paragraphs.size(), 1u);
    EXPECT_TRUE(document.paragraphs[0].runs.empty());
    EXPECT_EQ(document.paragraphs[0].markFormat.fontFace, QStringLiteral("Arial"));
    EXPECT_EQ(document.paragraphs[0].markFormat.sizeHalfPoints, 18);
}

// One case: an RTF body (inside a header with fonts Arial, Courier New and colours red,
// blue) and what must be true of the run holding the text "x".
struct CharacterCase
{
    const char *name;
    const char *body;
    std::function<bool(const CharacterFormat &)> holds;
};

class RtfReaderCharacter : public testing::TestWithParam<CharacterCase>
{
};

TEST_P(RtfReaderCharacter, readsFormatOfRun)
{
    const RichTextDocument document = readRtf(body(GetParam().body));
    const auto *run = runWithText(document, "x");
    ASSERT_NE(run, nullptr) << document.plainText().toStdString();
    EXPECT_TRUE(GetParam().holds(run->format));
}

const Colour kRed{255, 0, 0};
const Colour kBlue{0, 0, 255};

INSTANTIATE_TEST_SUITE_P(Controls, RtfReaderCharacter,
                         testing::Values(CharacterCase{"bold", "\\b x\\b0 y",
                                                       [](auto &f) {
                                                           return f.bold;
                                                       }},
                                         CharacterCase{"boldOffWithZero", "\\b\\b0 x",
                                                       [](auto &f) {
                                                           return !f.bold;
                                                       }},
                                         CharacterCase{"italicEndsWithGroup", "{\\i y}x",
                                                       [](auto &f) {
                                                           return !f.italic;
                                                       }},
                                         CharacterCase{"doubleUnderline", "\\uldb x",
                                                       [](auto &f) {
                                                           return f.underline;
                                                       }},
                                         CharacterCase{"underlineNone", "\\ul\\ulnone x",
                                                       [](auto &f) {
                                                           return !f.underline;
                                                       }},
                                         CharacterCase{"strikeDouble", "\\striked1 x",
                                                       [](auto &f) {
                                                           return f.strikeOut;
                                                       }},
                                         CharacterCase{"superscript", "\\super x",
                                                       [](auto &f) {
                                                           return f.verticalPosition == VerticalPosition::Superscript;
                                                       }},
                                         CharacterCase{"loweredByDn", "\\dn6 x",
                                                       [](auto &f) {
                                                           return f.offsetHalfPoints == -6 &&
                                                                  f.verticalPosition == VerticalPosition::Normal;
                                                       }},
                                         CharacterCase{"raisedByUp", "\\up4 x",
                                                       [](auto &f) {
                                                           return f.offsetHalfPoints == 4;
                                                       }},
                                         CharacterCase{"upWithoutAmountIsSix", "\\up x",
                                                       [](auto &f) {
                                                           return f.offsetHalfPoints == 6;
                                                       }},
                                         CharacterCase{"hugeOffsetBounded", "\\dn999999 x",
                                                       [](auto &f) {
                                                           return f.offsetHalfPoints == -kMaxOffsetHalfPoints;
                                                       }},
                                         CharacterCase{"offsetEndsWithPlain", "\\up4\\plain x",
                                                       [](auto &f) {
                                                           return f.offsetHalfPoints == 0;
                                                       }},
                                         CharacterCase{"noSuperSub", "\\sub\\nosupersub x",
                                                       [](auto &f) {
                                                           return f.verticalPosition == VerticalPosition::Normal;
                                                       }},
                                         CharacterCase{"allCapitals", "\\caps x",
                                                       [](auto &f) {
                                                           return f.allCapitals && !f.smallCapitals;
                                                       }},
                                         CharacterCase{"smallCapitals", "\\scaps x",
                                                       [](auto &f) {
                                                           return f.smallCapitals && !f.allCapitals;
                                                       }},
                                         CharacterCase{"defaultFont", "x",
                                                       [](auto &f) {
                                                           return f.fontFace == QLatin1String("Arial");
                                                       }},
                                         CharacterCase{"fontByNumber", "\\f1 x",
                                                       [](auto &f) {
                                                           return f.fontFace == QLatin1String("Courier New");
                                                       }},
                                         CharacterCase{"size", "\\fs30 x",
                                                       [](auto &f) {
                                                           return f.sizeHalfPoints == 30;
                                                       }},
                                         CharacterCase{"sizeZeroIgnored", "\\fs30\\fs0 x",
                                                       [](auto &f) {
                                                           return f.sizeHalfPoints == 30;
                                                       }},
                                         CharacterCase{"textColour", "\\cf1 x",
                                                       [](auto &f) {
                                                           return f.textColour == kRed;
                                                       }},
                                         CharacterCase{"textColourAutomatic", "\\cf1\\cf0 x",
                                                       [](auto &f) {
                                                           return !f.textColour;
                                                       }},
                                         CharacterCase{"textColourPastTable", "\\cf9 x",
                                                       [](auto &f) {
                                                           return !f.textColour;
                                                       }},
                                         CharacterCase{"highlight", "\\highlight2 x",
                                                       [](auto &f) {
                                                           return f.fillColour == kBlue;
                                                       }},
                                         CharacterCase{"characterBackground", "\\cb1 x",
                                                       [](auto &f) {
                                                           return f.fillColour == kRed;
                                                       }},
                                         CharacterCase{"characterPattern", "\\chcbpat2 x",
                                                       [](auto &f) {
                                                           return f.fillColour == kBlue;
                                                       }},
                                         CharacterCase{"plainResetsAll",
                                                       "\\b\\i\\ul\\f1\\fs40\\cf1\\highlight2\\plain x",
                                                       [](auto &f) {
                                                           CharacterFormat plain;
                                                           plain.fontFace = QStringLiteral("Arial");
                                                           return f == plain;
                                                       }}),
                         caseName<CharacterCase>);

struct ParagraphCase
{
    const char *name;
    const char *body;
    std::function<bool(const ParagraphFormat &)> holds;
};

class RtfReaderParagraph : public testing::TestWithParam<ParagraphCase>
{
};

TEST_P(RtfReaderParagraph, readsFormatOfFirstParagraph)
{
    const RichTextDocument document = readRtf(body(GetParam().body));
    ASSERT_FALSE(document.paragraphs.empty());
    EXPECT_TRUE(GetParam().holds(document.paragraphs.front().format));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, RtfReaderParagraph,
    testing::Values(
        ParagraphCase{"centre", "\\qc x\\par",
                      [](auto &f) {
                          return f.alignment == Alignment::Centre;
                      }},
        ParagraphCase{"right", "\\qr x\\par",
                      [](auto &f) {
                          return f.alignment == Alignment::Right;
                      }},
        ParagraphCase{"justified", "\\qj x\\par",
                      [](auto &f) {
                          return f.alignment == Alignment::Justified;
                      }},
        ParagraphCase{"pardResets", "\\qc\\li400\\pard x\\par",
                      [](auto &f) {
                          return f == ParagraphFormat{};
                      }},
        ParagraphCase{"formatAtParagraphEnd", "x\\qr\\par",
                      [](auto &f) {
                          return f.alignment == Alignment::Right;
                      }},
        ParagraphCase{"indents", "\\fi-360\\li720\\ri100 x\\par",
                      [](auto &f) {
                          return f.firstLineIndent == -360 && f.startIndent == 720 && f.rightIndent == 100;
                      }},
        ParagraphCase{"spacing", "\\sb120\\sa240 x\\par",
                      [](auto &f) {
                          return f.spaceBefore == 120 && f.spaceAfter == 240;
                      }},
        ParagraphCase{"lineSpacingProportional", "\\sl360\\slmult1 x\\par",
                      [](auto &f) {
                          return f.lineSpacing == LineSpacing{LineSpacingRule::Proportional, 150};
                      }},
        ParagraphCase{"lineSpacingSingleWhenOneLine", "\\sl240\\slmult1 x\\par",
                      [](auto &f) {
                          return f.lineSpacing == LineSpacing{};
                      }},
        ParagraphCase{"lineSpacingTinyMultipleKept", "\\sl1\\slmult1 x\\par",
                      [](auto &f) {
                          return f.lineSpacing == LineSpacing{LineSpacingRule::Proportional, 1};
                      }},
        ParagraphCase{"lineSpacingAtLeast", "\\sl300 x\\par",
                      [](auto &f) {
                          return f.lineSpacing == LineSpacing{LineSpacingRule::AtLeast, 300};
                      }},
        ParagraphCase{"lineSpacingExactly", "\\sl-280\\slmult0 x\\par",
                      [](auto &f) {
                          return f.lineSpacing == LineSpacing{LineSpacingRule::Exactly, 280};
                      }},
        ParagraphCase{"tabStops", "\\tx100\\tqc\\tx200\\tqr\\tx300\\tqdec\\tx400\\tb500 x\\par",
                      [](auto &f) {
                          return f.tabStops == std::vector<TabStop>{{100, TabAlignment::Left},
                                                                    {200, TabAlignment::Centre},
                                                                    {300, TabAlignment::Right},
                                                                    {400, TabAlignment::Decimal}};
                      }},
        ParagraphCase{"richEditBullet", "{\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnstart5{\\pntxtb\\'b7}}x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::Bullet && f.numberingStart == 1;
                      }},
        ParagraphCase{"richEditArabic", "{\\*\\pn\\pnlvlbody\\pnstart4\\pndec}x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::Arabic && f.numberingStart == 4;
                      }},
        ParagraphCase{"richEditLowerLetter", "{\\*\\pn\\pnlvlbody\\pnlcltr}x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::LowerLetter;
                      }},
        ParagraphCase{"richEditUpperLetter", "{\\*\\pn\\pnlvlbody\\pnucltr}x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::UpperLetter;
                      }},
        ParagraphCase{"richEditLowerRoman", "{\\*\\pn\\pnlvlbody\\pnlcrm}x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::LowerRoman;
                      }},
        ParagraphCase{"richEditUpperRoman", "{\\*\\pn\\pnlvlbody\\pnucrm}x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::UpperRoman;
                      }},
        ParagraphCase{"richEditContinuationIsNoNumber", "{\\*\\pn\\pnlvlcont}x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::None;
                      }},
        ParagraphCase{
            "wordListLevelAndOverrideStart",
            "{\\*\\listtable{\\list{\\listlevel\\levelnfc23}{\\listlevel\\levelnfc4\\levelstartat3}\\listid9}}"
            "{\\*\\listoverridetable{\\listoverride\\listid9\\ls2{\\lfolevel}{\\lfolevel\\levelstartat7}}}"
            "{\\listtext b.\\tab}\\ls2\\ilvl1 x\\par",
            [](auto &f) {
                return f.numbering == Numbering::LowerLetter && f.numberingStart == 7;
            }},
        ParagraphCase{"wordListBullet",
                      "{\\*\\listtable{\\list{\\listlevel\\levelnfc23}\\listid1}}"
                      "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}\\ls1 x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::Bullet;
                      }},
        ParagraphCase{"wordListUnknownOverride", "\\ls5 x\\par",
                      [](auto &f) {
                          return f.numbering == Numbering::None;
                      }}),
    caseName<ParagraphCase>);

struct TextCase
{
    const char *name;
    QByteArray body;
    QString text; // the document's plain text
};

class RtfReaderText : public testing::TestWithParam<TextCase>
{
};

TEST_P(RtfReaderText, readsText)
{
    EXPECT_EQ(readRtf(body(GetParam().body)).plainText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Text, RtfReaderText,
    testing::Values(
        TextCase{"lastParagraphMarkIsNotAParagraph", "a\\par", u"a"_qs},
        TextCase{"textAfterLastMark", "a\\par b", u"a\nb"_qs},
        TextCase{"emptyLastParagraphKept", "a\\par\\par", u"a\n"_qs},
        TextCase{"lineBreaksOfSourceIgnored", "a\r\nb\\\r\nc", u"ab\nc"_qs},
        TextCase{"controlWordDelimiter", "\\b  x\\b0\ty", u" x\ty"_qs},
        TextCase{"tabAndLine", "a\\tab b\\line c", u"a\tb\u2028c"_qs}, TextCase{"escapes", "\\{\\}\\\\", u"{}\\"_qs},
        TextCase{"namedSpecials", "\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~\\-\\_",
                 u"\u2014\u2013\u2022\u2018\u2019\u201C\u201D\u00A0\u00AD\u2011"_qs},
        TextCase{"hexInAnsiCodePage", "\\'80\\'e9", u"\u20ACé"_qs},
        TextCase{"unicodeSkipsOneFallback", "\\u8364?x", u"\u20ACx"_qs},
        TextCase{"unicodeNegative", "\\u-4064?", u"\uF020"_qs},
        TextCase{"unicodeSkipsHexFallback", "\\uc2\\u12354\\'82\\'a0x", u"\u3042x"_qs},
        TextCase{"unicodeWithoutFallback", "{\\uc0\\u8730 x}", u"\u221Ax"_qs},
        TextCase{"unicodeSkipCountEndsAtGroup", "{\\uc3\\u8730 a}b", u"\u221Ab"_qs},
        TextCase{"surrogatePair", "\\u-10179?\\u-8704?", u"\U0001F600"_qs},
        TextCase{"loneSurrogateReplaced", "\\u-10179?x", u"\uFFFDx"_qs},
        TextCase{"unicodeHalfOfAnsiPairRead", "{\\upr{a}{\\*\\ud{\\u8364?}}}", u"\u20AC"_qs},
        TextCase{"ignorableDestinationsSkipped", "{\\*\\foo hidden}{\\*\\bkmkstart b}x", u"x"_qs},
        TextCase{"knownDestinationsSkipped", "{\\info{\\title t}}{\\stylesheet{\\s0 Normal;}}{\\header h}x", u"x"_qs},
        TextCase{"richEditNumberTextSkipped", "{\\pntext\\f0 1.\\tab}x", u"x"_qs},
        TextCase{"wordListTextSkipped", "{\\listtext 1.\\tab}x", u"x"_qs},
        TextCase{"tableCellsTabSeparated", "\\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row c", u"a\tb\nc"_qs},
        TextCase{"tableEmptyCellKept", "\\intbl a\\cell\\cell c\\cell\\row", u"a\t\tc"_qs},
        TextCase{"tableCellParagraphsAsLines", "\\intbl{a\\par b\\par}\\cell{c\\par}\\cell\\row", u"a\u2028b\tc"_qs},
        TextCase{"pageBreakBetweenParagraphs", "a\\par\\page b", u"a\nb"_qs},
        TextCase{"fieldResultOfOtherFields", "{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}", u"3"_qs},
        TextCase{"binaryDataIsNotText", "a\\bin4 {}\\b", u"a"_qs}),
    caseName<TextCase>);

TEST(RtfReader, hyperlinkField_setsTargetOnResultOnly)
{
    const RichTextDocument document =
        readRtf(body("a{\\field{\\*\\fldinst{HYPERLINK \"https://example.org/x?y=1\" }}{\\fldrslt{\\ul x}}}b"));
    EXPECT_EQ(runWithText(document, "x")->format.linkTarget, u"https://example.org/x?y=1"_qs);
    EXPECT_TRUE(runWithText(document, "a")->format.linkTarget.isEmpty());
    EXPECT_TRUE(runWithText(document, "b")->format.linkTarget.isEmpty());
}

TEST(RtfReader, hyperlinkField_readsAnchorAndIgnorableResult)
{
    const RichTextDocument document =
        readRtf(body("{\\field{\\*\\fldinst HYPERLINK \"page.html\" \\\\l \"part\" \\\\o \"tip\"}{\\*\\fldrslt x}}"));
    EXPECT_EQ(runWithText(document, "x")->format.linkTarget, u"page.html#part"_qs);
}

TEST(RtfReader, hyperlinkField_decodesTargetInCodePage)
{
    const RichTextDocument document = readRtf(
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}{\\field{\\*\\fldinst HYPERLINK \"\\'e0\"}{\\fldrslt x}}}");
    EXPECT_EQ(runWithText(document, "x")->format.linkTarget, u"\u0430"_qs);
}

TEST(RtfReader, pictures_pngHexAndJpegBinaryWithSizes)
{
    const QByteArray png = test::pngBytes(4, 3);
    const QByteArray jpeg = test::jpegBytes(8, 6);
    const QByteArray input =
        body("{\\pict\\pngblip\\picw99\\pich99\\picwgoal600\\pichgoal450\\picscalex50 " + png.toHex() +
             "}{\\pict\\jpegblip\\bin" + QByteArray::number(jpeg.size()) + " " + jpeg + "}");
    const RichTextDocument document = readRtf(input);
    ASSERT_EQ(document.paragraphs.size(), 1u);
    const auto &runs = document.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    ASSERT_TRUE(runs[0].isPicture() && runs[1].isPicture());
    EXPECT_EQ(*runs[0].picture, (Picture{PictureType::Png, png, 4, 3, 300, 450}));
    EXPECT_EQ(*runs[1].picture, (Picture{PictureType::Jpeg, jpeg, 8, 6, 120, 90})); // 15 twips a pixel
}

TEST(RtfReader, pictures_keepsShapePictureOnceAndDropsOtherFormats)
{
    const QByteArray png = test::pngBytes(2, 2).toHex();
    const RichTextDocument document =
        readRtf(body("{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn a}{\\sv b}}}\\pngblip " + png +
                     "}}{\\nonshppict{\\pict\\wmetafile8 0102}}{\\pict\\wmetafile8 0102}{\\pict\\emfblip 0102}"));
    ASSERT_EQ(document.paragraphs[0].runs.size(), 1u);
    EXPECT_TRUE(document.paragraphs[0].runs[0].isPicture());
}

TEST(RtfReader, codePages_ansiCodePageAndCharsetOfFont)
{
    const RichTextDocument document = readRtf("{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Arial;}"
                                              "{\\f1\\fcharset161 Greek;}{\\f2\\fcharset128 Gothic;}}"
                                              "\\'c0\\f1\\'c1\\f2\\'82\\'a0\\'83e\\f0\\'c0}");
    EXPECT_EQ(document.plainText(), u"\u0410\u0391\u3042\u30C6\u0410"_qs);
}

TEST(RtfReader, codePages_unknownCodePageReadAsWindows1252)
{
    for (const char *page : {"99999", "-1", "0", "2147483647"}) {
        const QByteArray input = QByteArray("{\\rtf1\\ansi\\ansicpg") + page + " \\'e9}";
        EXPECT_EQ(readRtf(input).plainText(), u"é"_qs) << page;
    }
}

TEST(RtfReader, notRtf_readAsPlainTextLines)
{
    EXPECT_EQ(paragraphTexts(readRtf("one\r\ntwo\nthree\rfour")),
              (std::vector<QByteArray>{"one", "two", "three", "four"}));
    EXPECT_EQ(readRtf("caf\xc3\xa9").plainText(), u"café"_qs);
    EXPECT_EQ(readRtf("caf\xe9 \x80").plainText(), u"café €"_qs);
    EXPECT_EQ(readRtf("{\\rtx not rtf").plainText(), u"{\\rtx not rtf"_qs);
    EXPECT_EQ(readRtf(QByteArray()).paragraphs.size(), 1u);
}

} // namespace
} // namespace tabulet::rtf
