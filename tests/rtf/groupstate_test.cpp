// What a group changes, its closing brace restores: whether the groups around it changed the
// same state or not, and however the format was reached before.
#include "rtf/controlword.h"
#include "rtf/rtfreader.h"

#include "rtftestsupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace tabulet::rtf {
namespace {

using test::body;
using test::paragraphTexts;
using test::runWithText;

struct GroupCase
{
    const char *name;
    QByteArray body;
    std::vector<QByteArray> paragraphs; // each paragraph's text
    std::function<bool(const RichTextDocument &)> holds;
};

class RtfReaderGroups : public testing::TestWithParam<GroupCase>
{
};

TEST_P(RtfReaderGroups, restoresStateAtClosingBrace)
{
    const RichTextDocument document = readRtf(body(GetParam().body));
    ASSERT_EQ(paragraphTexts(document), GetParam().paragraphs);
    EXPECT_TRUE(GetParam().holds(document));
}

Alignment alignmentOf(const RichTextDocument &document, std::size_t paragraph)
{
    return document.paragraphs.at(paragraph).format.alignment;
}

std::size_t tabStopsOf(const RichTextDocument &document, std::size_t paragraph)
{
    return document.paragraphs.at(paragraph).format.tabStops.size();
}

QString linkOf(const RichTextDocument &document, const QByteArray &text)
{
    const Run *run = runWithText(document, text);
    return run ? run->format.linkTarget : QStringLiteral("<no run>");
}

QByteArray nested(int depth, const QByteArray &inner)
{
    return QByteArray(depth, '{') + inner + QByteArray(depth, '}');
}

const Colour kRed{255, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderGroups,
    testing::Values(GroupCase{"paragraphFormatEndsWithItsGroup",
                              "{\\qc a\\par}b\\par",
                              {"a", "b"},
                              [](const RichTextDocument &d) {
                                  return alignmentOf(d, 0) == Alignment::Centre && alignmentOf(d, 1) == Alignment::Left;
                              }},
                    GroupCase{"groupsThatChangeOnlyCharactersKeepTheParagraphFormat",
                              "\\qc\\tx720{{\\b a}}{b\\par}c\\par",
                              {"ab", "c"},
                              [](const RichTextDocument &d) {
                                  return alignmentOf(d, 0) == Alignment::Centre &&
                                         alignmentOf(d, 1) == Alignment::Centre && tabStopsOf(d, 0) == 1 &&
                                         tabStopsOf(d, 1) == 1;
                              }},
                    GroupCase{"innerTabStopsAddToOuterOnesAndEndWithTheirGroup",
                              "\\tx720{{\\tx1440 a\\par}b\\par}c\\par",
                              {"a", "b", "c"},
                              [](const RichTextDocument &d) {
                                  return tabStopsOf(d, 0) == 2 && tabStopsOf(d, 1) == 1 && tabStopsOf(d, 2) == 1;
                              }},
                    GroupCase{"numberingSetsOnlyTheGroupAroundIt",
                              "{{\\*\\pn\\pnlvlblt}a\\par}b\\par",
                              {"a", "b"},
                              [](const RichTextDocument &d) {
                                  return d.paragraphs[0].format.numbering == Numbering::Bullet &&
                                         d.paragraphs[1].format.numbering == Numbering::None;
                              }},
                    GroupCase{
                        "innerLinkEndsAndTheOuterOneGoesOn",
                        "{\\field{\\*\\fldinst HYPERLINK \"one\"}{\\fldrslt x{\\field{\\*\\fldinst HYPERLINK \"two\"}"
                        "{\\fldrslt y}}z}} w",
                        {"xyz w"},
                        [](const RichTextDocument &d) {
                            return linkOf(d, "x") == u"one"_qs && linkOf(d, "y") == u"two"_qs &&
                                   linkOf(d, "z") == u"one"_qs && linkOf(d, " w").isEmpty();
                        }},
                    GroupCase{"formatsTakenInTurnsGiveARunEach",
                              "a{\\b b}c{\\b d}e{\\i f}a",
                              {"abcdefa"},
                              [](const RichTextDocument &d) {
                                  const std::vector<Run> &runs = d.paragraphs[0].runs;
                                  return runs.size() == 7 && !runs[0].format.bold && runs[1].format.bold &&
                                         !runs[2].format.bold && runs[3].format.bold && runs[5].format.italic &&
                                         runs[6].format == runs[0].format;
                              }},
                    GroupCase{"sameFormatInNeighbouringGroupsIsOneRun",
                              "{\\b a}{\\b b}\\b c",
                              {"abc"},
                              [](const RichTextDocument &d) {
                                  return d.paragraphs[0].runs.size() == 1;
                              }},
                    GroupCase{"tablesReadAgainChangeTheFormatOfLaterText",
                              "\\cf1 a{\\fonttbl{\\f0 Times;}}{\\colortbl;\\red0\\green0\\blue255;}b",
                              {"ab"},
                              [](const RichTextDocument &d) {
                                  const Run *a = runWithText(d, "a");
                                  const Run *b = runWithText(d, "b");
                                  return a && b && a->format.fontFace == u"Arial"_qs && a->format.textColour == kRed &&
                                         b->format.fontFace == u"Times"_qs && b->format.textColour == Colour{0, 0, 255};
                              }},
                    GroupCase{"paragraphFormatPastTheSavedDepthEndsWithTheDeepestSavedGroup",
                              nested(2100, "\\qc a\\par") + "b\\par",
                              {"a", "b"},
                              [](const RichTextDocument &d) {
                                  return alignmentOf(d, 0) == Alignment::Centre && alignmentOf(d, 1) == Alignment::Left;
                              }}),
    [](const auto &test) { return std::string(test.param.name); });

struct LookupCase
{
    const char *name;
    const char *spelling;
    ControlWord word;
};

class ControlWordLookup : public testing::TestWithParam<LookupCase>
{
};

TEST_P(ControlWordLookup, findsOnlyWordsSpelledExactly)
{
    EXPECT_EQ(controlWordOf(GetParam().spelling), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, ControlWordLookup,
    testing::Values(LookupCase{"shortest", "b", ControlWord::b}, LookupCase{"prefixOfAnother", "par", ControlWord::par},
                    LookupCase{"longerWithSamePrefix", "pard", ControlWord::pard},
                    LookupCase{"keywordSpelledWithoutUnderscore", "operator", ControlWord::operator_},
                    LookupCase{"underscoreSpellingIsNotRtf", "operator_", ControlWord::Unknown},
                    LookupCase{"upperCase", "PAR", ControlWord::Unknown},
                    LookupCase{"extraLetter", "parx", ControlWord::Unknown},
                    LookupCase{"empty", "", ControlWord::Unknown},
                    LookupCase{"longerThanAnyWord", "colorschememappingcolorschememapping", ControlWord::Unknown}),
    [](const auto &test) { return std::string(test.param.name); });

} // namespace
} // namespace tabulet::rtf
