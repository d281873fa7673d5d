// rtfconv's text and HTML forms of small notes.
#include "rtfconv/htmlconversion.h"
#include "rtfconv/plaintextconversion.h"

#include <gtest/gtest.h>

using namespace tabulet;
using rtf::CharacterFormat;
using rtf::Paragraph;
using rtf::RichTextDocument;

namespace {

CharacterFormat plain()
{
    CharacterFormat format;
    format.fontFace = QStringLiteral("Arial");
    format.sizeHalfPoints = 20;
    return format;
}

Paragraph paragraph(const QByteArray &text, rtf::Numbering numbering = rtf::Numbering::None, int start = 1)
{
    Paragraph result;
    result.format.numbering = numbering;
    result.format.numberingStart = start;
    rtf::appendText(result, text, plain());
    return result;
}

RichTextDocument document(std::vector<Paragraph> paragraphs)
{
    RichTextDocument result;
    result.paragraphs = std::move(paragraphs);
    return result;
}

// The part of the page between <body> and </body>.
QString body(const RichTextDocument &note)
{
    const QString html = rtfconv::toHtml(note);
    const qsizetype start = html.indexOf(QStringLiteral("<body>\n")) + 7;
    return html.mid(start, html.indexOf(QStringLiteral("</body>")) - start);
}

const QString kSpan = QStringLiteral("<span style=\"font-family:'Arial';font-size:10pt\">");

TEST(PlainTextConversion, separatesParagraphsAndLinesAndLeavesOutBulletsAndPictures)
{
    RichTextDocument note = document({paragraph("one\ttwo", rtf::Numbering::Bullet),
                                      paragraph("three\xe2\x80\xa8"
                                                "four",
                                                rtf::Numbering::Arabic),
                                      Paragraph{}});
    note.paragraphs[2].runs.push_back(rtf::Run{plain(), {}, rtf::Picture{}});
    rtf::appendText(note.paragraphs[2], "\xc3\xa9", plain());
    EXPECT_EQ(rtfconv::toPlainText(note), QStringLiteral("one\ttwo\nthree\nfour\n\u00e9"));
}

TEST(PlainTextConversion, emptyNoteIsEmptyText)
{
    EXPECT_EQ(rtfconv::toPlainText(RichTextDocument{}), QString());
    EXPECT_EQ(rtfconv::toPlainText(document({Paragraph{}, Paragraph{}})), QStringLiteral("\n"));
}

TEST(HtmlConversion, paragraphsCarryTheirAlignmentWhenNotLeft)
{
    RichTextDocument note = document({paragraph("l"), paragraph("c"), paragraph("r"), paragraph("j"), Paragraph{}});
    note.paragraphs[1].format.alignment = rtf::Alignment::Centre;
    note.paragraphs[2].format.alignment = rtf::Alignment::Right;
    note.paragraphs[3].format.alignment = rtf::Alignment::Justified;
    EXPECT_EQ(body(note), QStringLiteral("<p>%1l</span></p>\n"
                                         "<p style=\"text-align:center\">%1c</span></p>\n"
                                         "<p style=\"text-align:right\">%1r</span></p>\n"
                                         "<p style=\"text-align:justify\">%1j</span></p>\n"
                                         "<p><br></p>\n")
                              .arg(kSpan));
}

TEST(HtmlConversion, listsGroupConsecutiveParagraphsOfOneNumbering)
{
    using N = rtf::Numbering;
    const RichTextDocument note =
        document({paragraph("a", N::Bullet), paragraph("b", N::Bullet), paragraph("c", N::LowerRoman, 4),
                  paragraph("d", N::LowerRoman, 4), paragraph("e", N::UpperLetter), paragraph("f"),
                  paragraph("g", N::Arabic), paragraph("h", N::LowerLetter, 2), paragraph("i", N::UpperRoman)});
    EXPECT_EQ(body(note),
              QStringLiteral("<ul>\n<li>%1a</span></li>\n<li>%1b</span></li>\n</ul>\n"
                             "<ol type=\"i\" start=\"4\">\n<li>%1c</span></li>\n<li>%1d</span></li>\n</ol>\n"
                             "<ol type=\"A\" start=\"1\">\n<li>%1e</span></li>\n</ol>\n"
                             "<p>%1f</span></p>\n"
                             "<ol type=\"1\" start=\"1\">\n<li>%1g</span></li>\n</ol>\n"
                             "<ol type=\"a\" start=\"2\">\n<li>%1h</span></li>\n</ol>\n"
                             "<ol type=\"I\" start=\"1\">\n<li>%1i</span></li>\n</ol>\n")
                  .arg(kSpan));
}

TEST(HtmlConversion, runsAreWrappedInTheirFormats)
{
    CharacterFormat format;
    format.bold = format.italic = format.underline = format.strikeOut = true;
    format.verticalPosition = rtf::VerticalPosition::Superscript;
    format.allCapitals = format.smallCapitals = true;
    format.fontFace = QStringLiteral("Courier New");
    format.sizeHalfPoints = 21;
    format.textColour = rtf::Colour{255, 0, 10};
    format.fillColour = rtf::Colour{0, 128, 255};
    Paragraph formatted;
    rtf::appendText(formatted, "x<&>", format);
    format = CharacterFormat{};
    format.verticalPosition = rtf::VerticalPosition::Subscript;
    rtf::appendText(formatted, "2", format);

    EXPECT_EQ(body(document({formatted})),
              QStringLiteral("<p><span style=\"color:#ff000a;background-color:#0080ff;font-family:'Courier New';"
                             "font-size:10.5pt;text-transform:uppercase;font-variant:small-caps\">"
                             "<b><i><u><s><sup>x&lt;&amp;&gt;</sup></s></u></i></b></span>"
                             "<span style=\"font-size:12pt\"><sub>2</sub></span></p>\n"));
}

TEST(HtmlConversion, neighbouringRunsOfOneLinkShareAnAnchor)
{
    CharacterFormat link = plain();
    link.linkTarget = QStringLiteral("https://example.org/?a=1&b=\"2\"");
    CharacterFormat boldLink = link;
    boldLink.bold = true;
    Paragraph linked;
    rtf::appendText(linked, "see ", link);
    rtf::appendText(linked, "here", boldLink);
    rtf::appendText(linked, ".", plain());
    EXPECT_EQ(body(document({linked})),
              QStringLiteral("<p><a href=\"https://example.org/?a=1&amp;b=&quot;2&quot;\">%1see </span>%1<b>here</b>"
                             "</span></a>%1.</span></p>\n")
                  .arg(kSpan));
}

TEST(HtmlConversion, scriptLinksKeepOnlyTheirText)
{
    CharacterFormat link = plain();
    link.linkTarget = QStringLiteral(" JavaScript:alert(1)");
    Paragraph linked;
    rtf::appendText(linked, "click", link);
    EXPECT_EQ(body(document({linked})), QStringLiteral("<p>%1click</span></p>\n").arg(kSpan));
}

TEST(HtmlConversion, faceNamesCannotLeaveTheirStyle)
{
    CharacterFormat format;
    format.fontFace = QStringLiteral("A'\"><script>");
    Paragraph hostile;
    rtf::appendText(hostile, "t", format);
    EXPECT_EQ(body(document({hostile})),
              QStringLiteral("<p><span style=\"font-family:'A\\'&quot;&gt;&lt;script&gt;';font-size:12pt\">t</span>"
                             "</p>\n"));
}

TEST(HtmlConversion, picturesAndLineBreaks)
{
    Paragraph mixed;
    rtf::appendText(mixed,
                    "a\xe2\x80\xa8"
                    "b",
                    plain());
    mixed.runs.push_back(rtf::Run{plain(), {}, rtf::Picture{rtf::PictureType::Jpeg, "\xff\xd8\xff", 1, 1, 1500, 300}});
    mixed.runs.push_back(rtf::Run{plain(), {}, rtf::Picture{rtf::PictureType::Png, "\x89PNG", 0, 0, 0, 0}});
    EXPECT_EQ(body(document({mixed})),
              QStringLiteral("<p>%1a<br>b</span><img src=\"data:image/jpeg;base64,/9j/\" width=\"100\" height=\"20\">"
                             "<img src=\"data:image/png;base64,iVBORw==\"></p>\n")
                  .arg(kSpan));
}

} // namespace
