// The sample notes of tests/rtf/data: files in the rich-edit dialect, and files that
// LibreOffice, AbiWord and pandoc wrote from sample-source.html or from this program's output.
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include "rtftestsupport.h"

#include <gtest/gtest.h>

namespace tabulet::rtf {
namespace {

using test::dataFile;
using test::paragraphTexts;
using test::runWithText;

std::vector<Numbering> numberings(const RichTextDocument &document)
{
    std::vector<Numbering> result;
    for (const Paragraph &paragraph : document.paragraphs)
        result.push_back(paragraph.format.numbering);
    return result;
}

const Paragraph *paragraphWithText(const RichTextDocument &document, const QByteArray &utf8)
{
    for (const Paragraph &paragraph : document.paragraphs) {
        if (!paragraph.runs.empty() && paragraph.runs.front().text == utf8)
            return &paragraph;
    }
    return nullptr;
}

// The character formats of the first paragraph of the samples: bold, italic, ... by run text.
void expectCharacterToggles(const RichTextDocument &document, bool withCapitals)
{
    EXPECT_TRUE(runWithText(document, "bold")->format.bold);
    EXPECT_TRUE(runWithText(document, "italic")->format.italic);
    EXPECT_TRUE(runWithText(document, "underline")->format.underline);
    EXPECT_TRUE(runWithText(document, "strike")->format.strikeOut);
    EXPECT_EQ(document.paragraphs[0].runs.size(), withCapitals ? 16u : 14u);
    if (withCapitals) {
        EXPECT_TRUE(runWithText(document, "caps")->format.allCapitals);
        EXPECT_TRUE(runWithText(document, "small")->format.smallCapitals);
    }
}

class Corpus : public testing::TestWithParam<const char *>
{
};

TEST_P(Corpus, writtenAndReadBack_keepsEveryFormat)
{
    const RichTextDocument document = readRtf(dataFile(GetParam()));
    ASSERT_GT(document.paragraphs.size(), 1u);
    EXPECT_EQ(readRtf(writeRtf(document)), document);
}

INSTANTIATE_TEST_SUITE_P(Samples, Corpus,
                         testing::Values("richedit-formats.rtf", "richedit-codepages.rtf", "libreoffice-sample.rtf",
                                         "abiword-sample.rtf", "pandoc-sample.rtf", "libreoffice-from-tabulet.rtf",
                                         "abiword-from-tabulet.rtf"),
                         [](const testing::TestParamInfo<const char *> &test) {
                             QByteArray name = test.param;
                             return name.replace('-', '_').replace(".rtf", "").toStdString();
                         });

TEST(CorpusRichEdit, codePages_readAsTheirText)
{
    EXPECT_EQ(readRtf(dataFile("richedit-codepages.rtf")).plainText(),
              QString::fromUtf8(dataFile("richedit-codepages.txt")));
    EXPECT_EQ(readRtf(dataFile("ansicpg1251.rtf")).plainText(), u"Привет, мир"_qs);
}

TEST(CorpusRichEdit, formats_everyFactOfTheModel)
{
    const RichTextDocument document = readRtf(dataFile("richedit-formats.rtf"));
    EXPECT_EQ(paragraphTexts(document),
              (std::vector<QByteArray>{"Plain bold italic underline strike x2 H2O caps small",
                                       "Courier 14 red black yellow green fill red fill",
                                       "centre",
                                       "right",
                                       "justified",
                                       "indents and spacing",
                                       "one and a half",
                                       "exactly fifteen points",
                                       "at least twenty points",
                                       "a\tb\tc\td\xe2\x80\xa8second line",
                                       "bullet one",
                                       "bullet two",
                                       "arabic",
                                       "lower letter",
                                       "upper letter",
                                       "lower roman",
                                       "upper roman",
                                       "See the site now.",
                                       "Specials: \xe2\x80\x94\xe2\x80\x93\xe2\x80\xa2\xe2\x80\x98\xe2\x80\x99\xe2\x80"
                                       "\x9c\xe2\x80\x9d\xc2\xa0\xc2\xad\xe2\x80\x91 {}\\ \xe2\x82\xac\xf0\x9f\x98\x80 "
                                       "\xe2\x88\x9a",
                                       "Picture and "}));
    expectCharacterToggles(document, true);
    EXPECT_EQ(runWithText(document, "Courier 14")->format.fontFace, u"Courier New"_qs);
    EXPECT_EQ(runWithText(document, "Courier 14")->format.sizeHalfPoints, 28);
    EXPECT_EQ(runWithText(document, "red")->format.textColour, (Colour{255, 0, 0}));
    EXPECT_EQ(runWithText(document, "black")->format.textColour, (Colour{0, 0, 0}));
    EXPECT_EQ(runWithText(document, "yellow")->format.fillColour, (Colour{255, 255, 0}));
    EXPECT_EQ(runWithText(document, "green fill")->format.fillColour, (Colour{0, 128, 0}));
    EXPECT_EQ(runWithText(document, "the site")->format.linkTarget, u"https://example.org/notes?id=7"_qs);
    EXPECT_EQ(numberings(document)[11], Numbering::Bullet);
    EXPECT_EQ(paragraphWithText(document, "lower letter")->format.numberingStart, 3);
    EXPECT_EQ(paragraphWithText(document, "upper roman")->format.numberingStart, 10);
    const ParagraphFormat &spaced = paragraphWithText(document, "indents and spacing")->format;
    EXPECT_EQ(std::tuple(spaced.firstLineIndent, spaced.startIndent, spaced.rightIndent, spaced.spaceBefore,
                         spaced.spaceAfter),
              std::tuple(-360, 720, 360, 120, 240));
    EXPECT_EQ(paragraphWithText(document, "a\tb\tc\td\xe2\x80\xa8second line")->format.tabStops.size(), 4u);
    const auto &pictures = document.paragraphs.back().runs;
    ASSERT_EQ(pictures.size(), 4u);
    EXPECT_EQ(pictures[1].picture->type, PictureType::Png);
    EXPECT_EQ(pictures[3].picture->type, PictureType::Jpeg);
    EXPECT_EQ(pictures[3].picture->displayWidth, 300);
}

// Paragraph texts of sample-source.html as the word processors wrote them.
const std::vector<QByteArray> kSampleTexts{"Plain text first.",
                                           "Bold italic underline strike x2 H2O caps small caps",
                                           "Centred paragraph",
                                           "Right paragraph",
                                           "Justified paragraph",
                                           "red text yellow fill Courier New twenty points",
                                           "first bullet",
                                           "second bullet",
                                           "one",
                                           "two",
                                           "alpha",
                                           "beta",
                                           "three",
                                           "four",
                                           "A link here inside.",
                                           "Indented one inch",
                                           "cell a\tcell b",
                                           "cell c\tcell d"};

void expectSampleBeginning(const RichTextDocument &document, std::size_t from)
{
    const std::vector<QByteArray> texts = paragraphTexts(document);
    ASSERT_GE(texts.size(), from + kSampleTexts.size());
    EXPECT_EQ(std::vector<QByteArray>(texts.begin() + static_cast<std::ptrdiff_t>(from),
                                      texts.begin() + static_cast<std::ptrdiff_t>(from + kSampleTexts.size())),
              kSampleTexts);
    EXPECT_EQ(runWithText(document, "link here")->format.linkTarget, u"https://example.org/path?q=1"_qs);
}

TEST(CorpusLibreOffice, sample_textListsAndFormats)
{
    const RichTextDocument document = readRtf(dataFile("libreoffice-sample.rtf"));
    expectSampleBeginning(document, 0);
    // LibreOffice raises a superscript by an amount of its own (\\up8), which the note keeps.
    EXPECT_EQ(runWithText(document, "2")->format.offsetHalfPoints, 8);
    EXPECT_EQ(paragraphWithText(document, "Centred paragraph")->format.alignment, Alignment::Centre);
    EXPECT_EQ(paragraphWithText(document, "Justified paragraph")->format.alignment, Alignment::Justified);
    EXPECT_EQ(runWithText(document, "red text")->format.textColour, (Colour{255, 0, 0}));
    EXPECT_EQ(runWithText(document, "yellow fill")->format.fillColour, (Colour{255, 255, 0}));
    EXPECT_EQ(runWithText(document, "Courier New")->format.fontFace, u"Courier New"_qs);
    EXPECT_EQ(runWithText(document, "twenty points")->format.sizeHalfPoints, 40);
    EXPECT_EQ(runWithText(document, "caps")->format.allCapitals, true);
    EXPECT_EQ(runWithText(document, "small caps")->format.smallCapitals, true);
    const std::vector<Numbering> all = numberings(document);
    const std::vector<Numbering> lists(all.begin() + 6, all.begin() + 14);
    EXPECT_EQ(lists, (std::vector<Numbering>{Numbering::Bullet, Numbering::Bullet, Numbering::Arabic, Numbering::Arabic,
                                             Numbering::LowerLetter, Numbering::LowerLetter, Numbering::UpperRoman,
                                             Numbering::UpperRoman}));
    EXPECT_EQ(paragraphWithText(document, "three")->format.numberingStart, 3);
    EXPECT_EQ(paragraphWithText(document, "Indented one inch")->format.startIndent, 1440);
    const auto &picture = paragraphWithText(document, "Picture: ")->runs;
    ASSERT_EQ(picture.size(), 2u);
    EXPECT_EQ(picture[1].picture->pixelWidth, 4);
    EXPECT_EQ(picture[1].picture->displayWidth, 600);
}

TEST(CorpusAbiWord, sample_textAndFormats)
{
    const RichTextDocument document = readRtf(dataFile("abiword-sample.rtf"));
    expectSampleBeginning(document, 0);
    EXPECT_EQ(runWithText(document, "2")->format.verticalPosition, VerticalPosition::Superscript);
    EXPECT_EQ(paragraphWithText(document, "Right paragraph")->format.alignment, Alignment::Right);
    EXPECT_EQ(runWithText(document, "red text")->format.textColour, (Colour{255, 0, 0}));
    EXPECT_EQ(runWithText(document, "twenty points")->format.sizeHalfPoints, 40);
    EXPECT_EQ(paragraphWithText(document, "first bullet")->format.numbering, Numbering::Bullet);
    EXPECT_EQ(paragraphWithText(document, "one")->format.numbering, Numbering::Arabic);
    EXPECT_TRUE(paragraphWithText(document, "Picture: ")->runs.back().isPicture());
}

TEST(CorpusPandoc, sample_textAndFormats)
{
    const RichTextDocument document = readRtf(dataFile("pandoc-sample.rtf"));
    // pandoc writes the title first and list markers as text.
    EXPECT_EQ(paragraphTexts(document)[0], "Sample");
    EXPECT_EQ(paragraphTexts(document)[8], "\xe2\x80\xa2\tfirst bullet");
    EXPECT_TRUE(runWithText(document, "Bold")->format.bold);
    EXPECT_EQ(runWithText(document, "link here")->format.linkTarget, u"https://example.org/path?q=1"_qs);
    EXPECT_NE(paragraphWithText(document, "cell a\tcell b"), nullptr);
    EXPECT_TRUE(paragraphWithText(document, "Picture: ")->runs.back().isPicture());
}

TEST(CorpusFromThisProgram, wordProcessorsKeepWhatWeWrote)
{
    const RichTextDocument ours = readRtf(dataFile("richedit-formats.rtf"));
    const RichTextDocument libreOffice = readRtf(dataFile("libreoffice-from-tabulet.rtf"));
    EXPECT_EQ(paragraphTexts(libreOffice), paragraphTexts(ours));
    EXPECT_EQ(numberings(libreOffice), numberings(ours));
    for (std::size_t i = 0; i < ours.paragraphs.size(); ++i) {
        EXPECT_EQ(libreOffice.paragraphs[i].format.alignment, ours.paragraphs[i].format.alignment) << i;
        EXPECT_EQ(libreOffice.paragraphs[i].format.lineSpacing, ours.paragraphs[i].format.lineSpacing) << i;
    }
    expectCharacterToggles(libreOffice, true);
    EXPECT_EQ(runWithText(libreOffice, "the site")->format.linkTarget, u"https://example.org/notes?id=7"_qs);

    // AbiWord keeps text, toggles and colours, but not capitals; it writes the paragraphs of
    // lists it read from RTF inside their number text, where LibreOffice loses them too.
    const RichTextDocument abiWord = readRtf(dataFile("abiword-from-tabulet.rtf"));
    std::vector<QByteArray> unnumbered;
    for (const Paragraph &paragraph : ours.paragraphs) {
        if (paragraph.format.numbering == Numbering::None)
            unnumbered.push_back(paragraphTexts(RichTextDocument{{paragraph}}).front());
    }
    EXPECT_EQ(paragraphTexts(abiWord), unnumbered);
    EXPECT_EQ(runWithText(abiWord, "2")->format.verticalPosition, VerticalPosition::Superscript);
    EXPECT_EQ(runWithText(abiWord, "red")->format.textColour, (Colour{255, 0, 0}));
    EXPECT_EQ(runWithText(abiWord, "red")->format.verticalPosition, VerticalPosition::Normal);
}

} // namespace
} // namespace tabulet::rtf
