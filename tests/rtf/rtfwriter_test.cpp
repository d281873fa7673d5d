#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include "rtftestsupport.h"

#include <gtest/gtest.h>

namespace tabulet::rtf {
namespace {

Paragraph paragraphOf(const QByteArray &utf8, const CharacterFormat &format = {}, const ParagraphFormat &paragraph = {})
{
    Paragraph result{paragraph, {}, format};
    appendText(result, utf8, format);
    return result;
}

RichTextDocument documentOf(std::vector<Paragraph> paragraphs)
{
    RichTextDocument document;
    document.paragraphs = std::move(paragraphs);
    return document;
}

TEST(RtfWriter, newNote_staysOneEmptyArialParagraph)
{
    const RichTextDocument note = readRtf(test::kNewNote);
    const QByteArray written = writeRtf(note);
    EXPECT_TRUE(written.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"))
        << written.constData();
    EXPECT_TRUE(written.contains("\\viewkind4\\uc1\\pard\\fs18\\par")) << written.constData();
    EXPECT_EQ(readRtf(written), note);
}

TEST(RtfWriter, text_escapesAndEncodesOutsideWindows1252)
{
    const QByteArray written = writeRtf(documentOf({paragraphOf("{a}\\ \xc3\xa9\xe2\x82\xac\xd0\x96\xf0\x9f\x98\x80\t"
                                                                "\xe2\x80\xa8z")}));
    EXPECT_TRUE(written.contains("\\{a\\}\\\\ \\'e9\\'80\\u1046?\\u-10179?\\u-8704?\\tab\\line z"))
        << written.constData();
    for (const char c : written)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(RtfWriter, tables_listEachFaceAndColourOnce)
{
    CharacterFormat red;
    red.fontFace = QStringLiteral("Courier New");
    red.textColour = Colour{255, 0, 0};
    CharacterFormat filled;
    filled.fontFace = QStringLiteral("Arial");
    filled.fillColour = Colour{255, 0, 0};
    const QByteArray written = writeRtf(documentOf({paragraphOf("a", red), paragraphOf("b", filled)}));
    EXPECT_TRUE(written.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}{\\f1\\fnil\\fcharset0 Arial;}}"));
    EXPECT_TRUE(written.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    EXPECT_TRUE(written.contains("\\cf1 a")) << written.constData();
    EXPECT_TRUE(written.contains("\\highlight1 b")) << written.constData();
}

TEST(RtfWriter, numbering_writesRichEditNumberTextAndGroup)
{
    ParagraphFormat roman;
    roman.numbering = Numbering::LowerRoman;
    roman.numberingStart = 3;
    ParagraphFormat bullet;
    bullet.numbering = Numbering::Bullet;
    const QByteArray written =
        writeRtf(documentOf({paragraphOf("x", {}, roman), paragraphOf("y", {}, roman), paragraphOf("z", {}, bullet)}));
    EXPECT_TRUE(written.contains("{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart3\\pnlcrm{\\pntxta.}}"))
        << written.constData();
    EXPECT_TRUE(written.contains("{\\pntext\\f0 iii.\\tab}")) << written.constData();
    EXPECT_TRUE(written.contains("{\\pntext\\f0 iv.\\tab}")) << written.constData();
    EXPECT_TRUE(written.contains("{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}")) << written.constData();
    EXPECT_TRUE(written.contains("{\\f1\\fnil\\fcharset2 Symbol;}"));
    // Word list tables beside them, for word processors that read only those.
    EXPECT_TRUE(written.contains("\\pnlcrm{\\pntxta.}}\\ls1")) << written.constData();
    EXPECT_TRUE(written.contains("\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\ls2")) << written.constData();
    EXPECT_TRUE(written.contains("{\\listlevel\\levelnfc2\\levelstartat3")) << written.constData();
    EXPECT_TRUE(written.contains("{\\listoverride\\listid2\\listoverridecount0\\ls2}")) << written.constData();
}

TEST(RtfWriter, manyLists_eachKeepsItsNumbering)
{
    std::vector<Paragraph> paragraphs;
    for (int i = 0; i < 3000; ++i) {
        ParagraphFormat format;
        format.numbering = static_cast<Numbering>(1 + i % 6);
        format.numberingStart = format.numbering == Numbering::Bullet ? 1 : i;
        paragraphs.push_back(paragraphOf("item", {}, format));
    }
    const RichTextDocument document = documentOf(std::move(paragraphs));
    EXPECT_EQ(readRtf(writeRtf(document)), document);
}

TEST(RtfWriter, hyperlinkAndPicture_writeFieldAndHex)
{
    Paragraph paragraph;
    CharacterFormat link;
    link.underline = true;
    link.linkTarget = QStringLiteral("https://example.org/\"q\"");
    appendText(paragraph, "site", link);
    const QByteArray png = test::pngBytes(2, 1);
    paragraph.runs.push_back(rtf::Run{{}, {}, Picture{PictureType::Png, png, 2, 1, 30, 15}});
    const QByteArray written = writeRtf(documentOf({paragraph}));
    EXPECT_TRUE(written.contains(
        "{\\field{\\*\\fldinst{HYPERLINK \"https://example.org/\\\\\"q\\\\\"\"}}{\\fldrslt{\\ul site}}}"))
        << written.constData();
    EXPECT_TRUE(written.contains("{\\pict\\pngblip\\picw2\\pich1\\picwgoal30\\pichgoal15\r\n" + png.toHex() + "}"))
        << written.constData();
    EXPECT_EQ(readRtf(written), documentOf({paragraph}));
}

TEST(RtfWriter, randomDocuments_readBackEqualAndWriteStable)
{
    std::mt19937 generator(20240607);
    for (int i = 0; i < 400; ++i) {
        const RichTextDocument document = test::randomDocument(generator);
        const QByteArray first = writeRtf(document);
        const RichTextDocument read = readRtf(first);
        ASSERT_EQ(read, document) << "document " << i << ":\n" << first.constData();
        ASSERT_EQ(writeRtf(read), first) << "document " << i;
    }
}

} // namespace
} // namespace tabulet::rtf
