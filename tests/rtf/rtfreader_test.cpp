#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <gtest/gtest.h>

namespace tabulet::rtf {
namespace {

const QByteArray kNewNote = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fprq12\\fcharset0 Arial;}}"
                            "\\viewkind4\\uc1\\pard\\lang3079\\f0\\fs18\\par}";

TEST(RtfReader, newNote_isOneEmptyParagraphInArial9)
{
    ASSERT_EQ(kNewNote.size(), 114);
    const RichTextDocument document = readRtf(kNewNote);
    ASSERT_EQ(document.paragraphs.size(), 1u);
    EXPECT_TRUE(document.paragraphs[0].runs.empty());
    EXPECT_EQ(document.paragraphs[0].markFormat.fontFace, QStringLiteral("Arial"));
    EXPECT_EQ(document.paragraphs[0].markFormat.sizeHalfPoints, 18);
    const QByteArray written = writeRtf(document);
    EXPECT_EQ(readRtf(written), document) << written.constData();
}

} // namespace
} // namespace tabulet::rtf
