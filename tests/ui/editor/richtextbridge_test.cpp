// The bridge carries every format the editing commands create from the model into the editor's
// document and back, and keeps positions in step.
#include "ui/editor/richtextbridge.h"

#include "modelprinter.h"
#include "rtf/rtfwriter.h"
#include "rtftestsupport.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

#include <functional>

using namespace tabulet;
using rtf::CharacterFormat;
using rtf::Paragraph;
using rtf::ParagraphFormat;
using rtf::RichTextDocument;

namespace {

QByteArray encodedImage(const char *format, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

CharacterFormat arial9()
{
    CharacterFormat format;
    format.fontFace = QStringLiteral("Arial");
    format.sizeHalfPoints = 18;
    return format;
}

RichTextDocument oneRun(const CharacterFormat &format, const ParagraphFormat &paragraphFormat = {})
{
    RichTextDocument document;
    Paragraph &paragraph = document.paragraphs.front();
    paragraph.format = paragraphFormat;
    paragraph.markFormat = format;
    rtf::appendText(paragraph, "before ", arial9());
    rtf::appendText(paragraph, "formatted", format);
    rtf::appendText(paragraph, " after", arial9());
    return document;
}

RichTextDocument throughDocument(const RichTextDocument &model)
{
    QTextDocument document;
    ui::setRichText(document, model);
    return ui::richText(document);
}

struct CharacterCase
{
    const char *name;
    std::function<void(CharacterFormat &)> apply;
};

class CharacterFormatRoundTrip : public testing::TestWithParam<CharacterCase>
{
};

TEST_P(CharacterFormatRoundTrip, modelThroughDocumentIsUnchanged)
{
    CharacterFormat format = arial9();
    GetParam().apply(format);
    const RichTextDocument model = oneRun(format);
    EXPECT_EQ(throughDocument(model), model);
}

const CharacterCase kCharacterCases[] = {
    {"bold",
     [](CharacterFormat &f) {
         f.bold = true;
     }},
    {"italic",
     [](CharacterFormat &f) {
         f.italic = true;
     }},
    {"underline",
     [](CharacterFormat &f) {
         f.underline = true;
     }},
    {"strikeOut",
     [](CharacterFormat &f) {
         f.strikeOut = true;
     }},
    {"superscript",
     [](CharacterFormat &f) {
         f.verticalPosition = rtf::VerticalPosition::Superscript;
     }},
    {"subscript",
     [](CharacterFormat &f) {
         f.verticalPosition = rtf::VerticalPosition::Subscript;
     }},
    {"allCapitals",
     [](CharacterFormat &f) {
         f.allCapitals = true;
     }},
    {"smallCapitals",
     [](CharacterFormat &f) {
         f.smallCapitals = true;
     }},
    {"allAndSmallCapitals",
     [](CharacterFormat &f) {
         f.allCapitals = true;
         f.smallCapitals = true;
     }},
    {"face",
     [](CharacterFormat &f) {
         f.fontFace = QStringLiteral("Courier New");
     }},
    {"noFace",
     [](CharacterFormat &f) {
         f.fontFace.clear();
     }},
    {"oddHalfPointSize",
     [](CharacterFormat &f) {
         f.sizeHalfPoints = 21;
     }},
    {"largeSize",
     [](CharacterFormat &f) {
         f.sizeHalfPoints = 144;
     }},
    {"textColour",
     [](CharacterFormat &f) {
         f.textColour = rtf::Colour{255, 0, 0};
     }},
    {"blackTextColour",
     [](CharacterFormat &f) {
         f.textColour = rtf::Colour{0, 0, 0};
     }},
    {"fillColour",
     [](CharacterFormat &f) {
         f.fillColour = rtf::Colour{255, 255, 0};
     }},
    {"link",
     [](CharacterFormat &f) {
         f.linkTarget = QStringLiteral("https://example.org/a?b=1&c");
     }},
    {"everything",
     [](CharacterFormat &f) {
         f.bold = f.italic = f.underline = f.strikeOut = f.smallCapitals = true;
         f.verticalPosition = rtf::VerticalPosition::Subscript;
         f.fontFace = QStringLiteral("Times New Roman");
         f.sizeHalfPoints = 30;
         f.textColour = rtf::Colour{1, 2, 3};
         f.fillColour = rtf::Colour{250, 251, 252};
         f.linkTarget = QStringLiteral("mailto:someone@example.org");
     }},
};

INSTANTIATE_TEST_SUITE_P(Bridge, CharacterFormatRoundTrip, testing::ValuesIn(kCharacterCases),
                         [](const testing::TestParamInfo<CharacterCase> &testCase) { return testCase.param.name; });

struct ParagraphCase
{
    const char *name;
    std::function<void(ParagraphFormat &)> apply;
};

class ParagraphFormatRoundTrip : public testing::TestWithParam<ParagraphCase>
{
};

TEST_P(ParagraphFormatRoundTrip, modelThroughDocumentIsUnchanged)
{
    ParagraphFormat format;
    GetParam().apply(format);
    const RichTextDocument model = oneRun(arial9(), format);
    EXPECT_EQ(throughDocument(model), model);
}

const ParagraphCase kParagraphCases[] = {
    {"centred",
     [](ParagraphFormat &p) {
         p.alignment = rtf::Alignment::Centre;
     }},
    {"right",
     [](ParagraphFormat &p) {
         p.alignment = rtf::Alignment::Right;
     }},
    {"justified",
     [](ParagraphFormat &p) {
         p.alignment = rtf::Alignment::Justified;
     }},
    {"bullet",
     [](ParagraphFormat &p) {
         p.numbering = rtf::Numbering::Bullet;
     }},
    {"arabic",
     [](ParagraphFormat &p) {
         p.numbering = rtf::Numbering::Arabic;
     }},
    {"lowerLetterFrom3",
     [](ParagraphFormat &p) {
         p.numbering = rtf::Numbering::LowerLetter;
         p.numberingStart = 3;
     }},
    {"upperLetter",
     [](ParagraphFormat &p) {
         p.numbering = rtf::Numbering::UpperLetter;
     }},
    {"lowerRoman",
     [](ParagraphFormat &p) {
         p.numbering = rtf::Numbering::LowerRoman;
     }},
    {"upperRomanFrom12",
     [](ParagraphFormat &p) {
         p.numbering = rtf::Numbering::UpperRoman;
         p.numberingStart = 12;
     }},
    {"indents",
     [](ParagraphFormat &p) {
         p.startIndent = 720;
         p.rightIndent = 361;
         p.firstLineIndent = -367;
     }},
    {"spacing",
     [](ParagraphFormat &p) {
         p.spaceBefore = 120;
         p.spaceAfter = 241;
     }},
    {"lineSpacingProportional",
     [](ParagraphFormat &p) {
         p.lineSpacing = {rtf::LineSpacingRule::Proportional, 150};
     }},
    {"lineSpacingAtLeast",
     [](ParagraphFormat &p) {
         p.lineSpacing = {rtf::LineSpacingRule::AtLeast, 317};
     }},
    {"lineSpacingExactly",
     [](ParagraphFormat &p) {
         p.lineSpacing = {rtf::LineSpacingRule::Exactly, 480};
     }},
    {"tabStops",
     [](ParagraphFormat &p) {
         p.tabStops = {{709, rtf::TabAlignment::Left},
                       {2000, rtf::TabAlignment::Centre},
                       {4001, rtf::TabAlignment::Right},
                       {6000, rtf::TabAlignment::Decimal}};
     }},
};

INSTANTIATE_TEST_SUITE_P(Bridge, ParagraphFormatRoundTrip, testing::ValuesIn(kParagraphCases),
                         [](const testing::TestParamInfo<ParagraphCase> &testCase) { return testCase.param.name; });

class RandomDocument : public testing::TestWithParam<unsigned>
{
};

TEST_P(RandomDocument, modelThroughDocumentIsUnchanged)
{
    std::mt19937 generator(GetParam());
    for (int i = 0; i < 25; ++i) {
        const RichTextDocument model = rtf::test::randomDocument(generator);
        ASSERT_EQ(throughDocument(model), model);
    }
}

INSTANTIATE_TEST_SUITE_P(Bridge, RandomDocument, testing::Range(1u, 9u));

TEST(RichTextBridge, newNoteStaysOneEmptyArialParagraph)
{
    RichTextDocument model;
    model.paragraphs.front().markFormat = arial9();

    QTextDocument document;
    ui::setRichText(document, model);
    EXPECT_EQ(document.blockCount(), 1);
    EXPECT_TRUE(document.isEmpty());
    EXPECT_EQ(ui::richText(document), model);
    // Typing into the empty note uses the paragraph mark's format.
    EXPECT_EQ(QTextCursor(&document).charFormat().fontPointSize(), 9.0);
}

RichTextDocument listDocument(const std::vector<std::pair<rtf::Numbering, int>> &numberings)
{
    RichTextDocument model;
    model.paragraphs.clear();
    for (const auto &[numbering, start] : numberings) {
        Paragraph paragraph;
        paragraph.format.numbering = numbering;
        paragraph.format.numberingStart = start;
        rtf::appendText(paragraph, "item", arial9());
        model.paragraphs.push_back(paragraph);
    }
    return model;
}

TEST(RichTextBridge, consecutiveParagraphsOfOneNumberingShareAList)
{
    using N = rtf::Numbering;
    const RichTextDocument model = listDocument(
        {{N::Arabic, 1}, {N::Arabic, 1}, {N::None, 1}, {N::Arabic, 1}, {N::Arabic, 4}, {N::Bullet, 1}, {N::Bullet, 1}});
    QTextDocument document;
    ui::setRichText(document, model);

    std::vector<QTextList *> lists;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lists.push_back(block.textList());
    ASSERT_EQ(lists.size(), 7u);
    EXPECT_NE(lists[0], nullptr);
    EXPECT_EQ(lists[1], lists[0]);
    EXPECT_EQ(lists[2], nullptr);
    EXPECT_NE(lists[3], lists[0]); // a plain paragraph ends the list
    EXPECT_NE(lists[4], lists[3]); // a new start begins a new one
    EXPECT_EQ(lists[1]->itemNumber(document.begin().next()), 1);
    EXPECT_EQ(lists[5]->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(lists[6], lists[5]);
    EXPECT_EQ(ui::richText(document), model);
}

RichTextDocument mixedDocument()
{
    RichTextDocument model;
    CharacterFormat bold = arial9();
    bold.bold = true;
    Paragraph &first = model.paragraphs.front();
    rtf::appendText(first, "ab\tc", arial9());
    rtf::appendText(first, "d\u2028e", bold);
    rtf::Picture png{rtf::PictureType::Png, encodedImage("PNG", 4, 3), 4, 3, 60, 45};
    first.runs.push_back(rtf::Run{bold, {}, png});
    rtf::appendText(first, "\u00e9\u4e2d", arial9());

    Paragraph second;
    rtf::Picture jpeg{rtf::PictureType::Jpeg, encodedImage("JPEG", 8, 8), 8, 8, 1440, 720};
    second.runs.push_back(rtf::Run{arial9(), {}, jpeg});
    second.runs.push_back(rtf::Run{arial9(), {}, jpeg});
    rtf::appendText(second, "\xf0\x9f\x98\x80 end", arial9());
    model.paragraphs.push_back(second);
    model.paragraphs.push_back(Paragraph{});
    return model;
}

TEST(RichTextBridge, picturesKeepTheirBytesTypeAndSizes)
{
    const RichTextDocument model = mixedDocument();
    QTextDocument document;
    ui::setRichText(document, model);
    const RichTextDocument back = ui::richText(document);
    EXPECT_EQ(back, model);
    ASSERT_EQ(back.paragraphs[1].runs.size(), 3u);
    EXPECT_EQ(back.paragraphs[1].runs[0].picture->type, rtf::PictureType::Jpeg);
}

TEST(RichTextBridge, picturesNoReaderUnderstandsKeepTheirBytesAndUnknownSizes)
{
    RichTextDocument model;
    Paragraph &paragraph = model.paragraphs.front();
    paragraph.runs.push_back(rtf::Run{arial9(), {}, rtf::Picture{rtf::PictureType::Jpeg, "not an image", 0, 0, 0, 0}});
    rtf::appendText(paragraph, "x", arial9());
    EXPECT_EQ(throughDocument(model), model);
}

TEST(RichTextBridge, positionsCountOneCharacterPerBreakAndPicture)
{
    const RichTextDocument model = mixedDocument();
    QTextDocument document;
    ui::setRichText(document, model);

    QString documentText = document.toRawText();
    documentText.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    EXPECT_EQ(documentText, model.plainText());
    EXPECT_EQ(document.characterCount() - 1, model.plainText().size());

    // The second paragraph starts after "ab\tcd\u2028e", the picture, two letters and the break.
    QTextCursor cursor(&document);
    cursor.setPosition(11);
    EXPECT_EQ(cursor.block().blockNumber(), 1);
    EXPECT_TRUE(cursor.atBlockStart());
}

TEST(RichTextBridge, breaksInsideRunTextDoNotAddParagraphs)
{
    RichTextDocument model;
    rtf::appendText(model.paragraphs.front(), "a\nb\rc\u2029d", arial9());
    QTextDocument document;
    ui::setRichText(document, model);
    EXPECT_EQ(document.blockCount(), 1);
    EXPECT_EQ(document.characterCount() - 1, model.plainText().size());
    EXPECT_EQ(ui::richText(document).paragraphs.front().runs.front().text, "a\u2028b\u2028c\u2028d");
}

// Runs side by side go into the document together where their formats are equal; what they hold
// stays as each run says on its own.
struct NeighbourCase
{
    const char *name;
    std::vector<rtf::Run> runs;
    std::vector<rtf::Run> back; // the paragraph's runs read back from the document
};

class NeighbouringRuns : public testing::TestWithParam<NeighbourCase>
{
};

TEST_P(NeighbouringRuns, keepTheirTextFormatsLinksAndPictures)
{
    RichTextDocument model;
    model.paragraphs.front().runs = GetParam().runs;
    model.paragraphs.front().markFormat = arial9();
    model.paragraphs.push_back(Paragraph{{}, {rtf::Run{arial9(), "next", {}}}, arial9()});
    QTextDocument document;
    ui::setRichText(document, model);

    RichTextDocument expected = model;
    expected.paragraphs.front().runs = GetParam().back;
    EXPECT_EQ(ui::richText(document), expected);
    // Positions stay in step: one character of the document for each of the model's.
    QString documentText = document.toRawText();
    documentText.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    EXPECT_EQ(documentText, expected.plainText());
}

CharacterFormat linked(const char *target)
{
    CharacterFormat format = arial9();
    format.linkTarget = QString::fromLatin1(target);
    return format;
}

const rtf::Picture kDot{rtf::PictureType::Png, encodedImage("PNG", 2, 2), 2, 2, 30, 30};

const NeighbourCase kNeighbourCases[] = {
    {"equalFormatsJoin", {{arial9(), "one ", {}}, {arial9(), "two", {}}}, {{arial9(), "one two", {}}}},
    {"aLinkStaysApartFromEqualPlainText",
     {{arial9(), "see ", {}}, {linked("https://a.example/"), "here", {}}, {arial9(), " now", {}}},
     {{arial9(), "see ", {}}, {linked("https://a.example/"), "here", {}}, {arial9(), " now", {}}}},
    {"twoLinksSideBySideStayTwo",
     {{linked("https://a.example/"), "a", {}}, {linked("https://b.example/"), "b", {}}},
     {{linked("https://a.example/"), "a", {}}, {linked("https://b.example/"), "b", {}}}},
    {"aPictureStaysBetweenEqualText",
     {{arial9(), "x", {}}, {arial9(), {}, kDot}, {arial9(), {}, kDot}, {arial9(), "y", {}}},
     {{arial9(), "x", {}}, {arial9(), {}, kDot}, {arial9(), {}, kDot}, {arial9(), "y", {}}}},
    {"emptyRunsBetweenEqualText",
     {{arial9(), "a", {}}, {linked("https://a.example/"), "", {}}, {arial9(), "b", {}}},
     {{arial9(), "ab", {}}}},
    // A sequence broken at a run's end is not completed by the next run's bytes.
    {"brokenSequencesDecodeRunByRun",
     {{arial9(), "a\xe2\x82", {}}, {arial9(), "\xac\xef\xbb\xbf", {}}},
     {{arial9(), QString::fromUtf8("a\xe2\x82").toUtf8() + QString::fromUtf8("\xac\xef\xbb\xbf").toUtf8(), {}}}},
    {"breaksInJoinedRunsBecomeLineBreaks",
     {{arial9(), "a\r", {}}, {arial9(), "\nb", {}}},
     {{arial9(), "a\u2028\u2028b", {}}}},
};

INSTANTIATE_TEST_SUITE_P(Bridge, NeighbouringRuns, testing::ValuesIn(kNeighbourCases),
                         [](const testing::TestParamInfo<NeighbourCase> &testCase) { return testCase.param.name; });

TEST(RichTextBridge, unsetSizeWeightAndSlantComeFromTheDefaultFont)
{
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"), 14);
    font.setBold(true);
    font.setItalic(true);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("typed"));
    QTextCharFormat pixels; // as pasted HTML sizes text
    pixels.setProperty(QTextFormat::FontPixelSize, 20);
    cursor.insertText(QStringLiteral("pasted"), pixels);

    const RichTextDocument model = ui::richText(document);
    const CharacterFormat format = model.paragraphs.front().runs.front().format;
    EXPECT_EQ(format.sizeHalfPoints, 28);
    EXPECT_TRUE(format.bold);
    EXPECT_TRUE(format.italic);
    EXPECT_TRUE(format.fontFace.isEmpty());
    EXPECT_EQ(model.paragraphs.front().runs.back().format.sizeHalfPoints, 30);
}

TEST(RichTextBridge, pastedImageIsStoredAsPngAtItsOwnSize)
{
    QTextDocument document;
    QImage image(5, 7, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted.png")), image);
    QTextCursor(&document).insertImage(QStringLiteral("pasted.png"));

    const RichTextDocument model = ui::richText(document);
    const std::vector<rtf::Run> &runs = model.paragraphs.front().runs;
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_TRUE(runs.front().isPicture());
    const rtf::Picture &picture = *runs.front().picture;
    EXPECT_EQ(picture.type, rtf::PictureType::Png);
    EXPECT_EQ(QImage::fromData(picture.data).size(), QSize(5, 7));
    EXPECT_EQ(picture.displayWidth, 75);
    EXPECT_EQ(picture.displayHeight, 105);
}

TEST(RichTextBridge, insertJoinsTheCursorParagraphAsOneUndoStep)
{
    QTextDocument document;
    ui::setRichText(document, oneRun(arial9(), {}));
    QTextCursor cursor(&document);
    cursor.setPosition(7); // before "formatted"

    RichTextDocument pasted = listDocument({{rtf::Numbering::None, 1}, {rtf::Numbering::UpperLetter, 1}});
    ui::insertRichText(cursor, pasted);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("before item\nitemformatted after"));
    ASSERT_NE(document.lastBlock().textList(), nullptr);
    EXPECT_EQ(document.lastBlock().textList()->format().style(), QTextListFormat::ListUpperAlpha);
    EXPECT_EQ(document.firstBlock().textList(), nullptr);

    document.undo();
    EXPECT_EQ(document.toPlainText(), QStringLiteral("before formatted after"));
}

// What a note file held when it was written from the model: the default font's face named where
// text has none of its own.
QByteArray throughModel(const QTextDocument &document)
{
    RichTextDocument model = ui::richText(document);
    const QString face = document.defaultFont().family();
    const auto nameFace = [&face](CharacterFormat &format) {
        if (format.fontFace.isEmpty())
            format.fontFace = face;
    };
    for (Paragraph &paragraph : model.paragraphs) {
        nameFace(paragraph.markFormat);
        for (rtf::Run &run : paragraph.runs)
            nameFace(run.format);
    }
    return rtf::writeRtf(model);
}

TEST(DocumentRtf, isWhatItsModelWritesByteForByte)
{
    CharacterFormat linked = arial9();
    linked.linkTarget = QStringLiteral("https://example.org/a{b}");
    CharacterFormat faceless = arial9();
    faceless.fontFace.clear();
    std::vector<RichTextDocument> models{mixedDocument(), oneRun(linked), oneRun(faceless),
                                         listDocument({{rtf::Numbering::Arabic, 3},
                                                       {rtf::Numbering::Arabic, 3},
                                                       {rtf::Numbering::Bullet, 1},
                                                       {rtf::Numbering::None, 1},
                                                       {rtf::Numbering::LowerRoman, 1}})};
    std::mt19937 generator(11);
    for (int i = 0; i < 20; ++i)
        models.push_back(rtf::test::randomDocument(generator));

    for (const RichTextDocument &model : models) {
        QTextDocument document;
        document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        ui::setRichText(document, model);
        ASSERT_EQ(ui::documentRtf(document).toStdString(), throughModel(document).toStdString());
    }
}

TEST(DocumentRtf, typedTextIsWrittenAsItsModelWouldBe)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    QTextCursor cursor(&document);
    // Escaped characters, a tab, a line break, characters outside Windows-1252 and outside the
    // basic plane, and a surrogate without its other half (pasted from a damaged source).
    cursor.insertText(QStringLiteral("a{b}c\\d\te\u2028f \u00e9\u4e2d\U0001F600 ") + QChar(0xD800) +
                      QStringLiteral("g"));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bold"), bold);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second"));
    EXPECT_EQ(ui::documentRtf(document).toStdString(), throughModel(document).toStdString());
}

} // namespace
