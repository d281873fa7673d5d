#include "rtf/unbrokenrun.h"

#include <gtest/gtest.h>
#include <QString>

namespace tabulet::rtf {
namespace {

TEST(LongestUnbrokenRun, countsCharactersBetweenWhiteSpace)
{
    const struct
    {
        const char *text;
        qsizetype longest;
    } cases[] = {
        {"", 0},
        {"   ", 0},
        {"one", 3},
        {"a bb ccc", 3},
        {"ccc bb a", 3},
        {"tab\tbetween", 7},
        {"para\ngraph", 5},
        {"line\u2028separator", 9},
        {"no-break\u00a0space", 14}, // a no-break space joins
        {"\u00e4\u00f6\u00fc\u00df", 4},
    };
    for (const auto &c : cases)
        EXPECT_EQ(longestUnbrokenRun(QString::fromUtf8(c.text)), c.longest) << c.text;
}

// A note's runs and paragraphs count as its plain text does, without it being built.
TEST(LongestUnbrokenRun, ofADocumentIsThatOfItsPlainText)
{
    CharacterFormat bold;
    bold.bold = true;
    const rtf::Run picture{{}, {}, Picture{PictureType::Png, "png", 1, 1, 15, 15}};
    const struct
    {
        const char *name;
        std::vector<std::vector<rtf::Run>> paragraphs;
        qsizetype longest;
    } cases[] = {
        {"empty", {{}}, 0},
        {"acrossRuns", {{{{}, "ab", {}}, {bold, "cd e", {}}}}, 4},
        {"paragraphBreaksBreak", {{{{}, "abc", {}}}, {{{}, "de", {}}}}, 3},
        {"picturesJoin", {{{{}, "ab", {}}, picture, picture, {{}, "c d", {}}}}, 5},
        {"wideCharactersCountAsUtf16", {{{{}, "\u00e4\xf0\x9f\x98\x80 x", {}}}}, 3},
        {"wideSpacesBreakNoBreakSpacesJoin", {{{{}, "ab\u3000cd\u00a0ef", {}}}}, 5},
        {"brokenBytesCountAsTheirReplacements",
         {{{{}, "a\xe2\x82", {}},
           {{},
            "\xac"
            "b",
            {}}}},
         -1},
    };
    for (const auto &c : cases) {
        RichTextDocument document;
        document.paragraphs.clear();
        for (const std::vector<rtf::Run> &runs : c.paragraphs)
            document.paragraphs.push_back(Paragraph{{}, runs, {}});
        const qsizetype ofText = longestUnbrokenRun(document.plainText());
        EXPECT_EQ(longestUnbrokenRun(document), ofText) << c.name;
        if (c.longest >= 0) {
            EXPECT_EQ(ofText, c.longest) << c.name;
        }
    }
}

} // namespace
} // namespace tabulet::rtf
