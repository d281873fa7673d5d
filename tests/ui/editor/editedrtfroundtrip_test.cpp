// A note formatted the way the editing commands format it keeps every format when it is saved
// as RTF and opened again.
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "ui/editor/richtextbridge.h"

#include "modelprinter.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

using namespace tabulet;

namespace {

QTextCharFormat arial10()
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(10);
    return format;
}

using FormatChange = std::function<void(QTextCharFormat &)>;

// One word per character format, each made by merging the format into a selection, as the
// toggles and the font and colour dialogs do.
const std::vector<std::pair<QString, FormatChange>> kWordFormats = {
    {QStringLiteral("bold"),
     [](QTextCharFormat &f) {
         f.setFontWeight(QFont::Bold);
     }},
    {QStringLiteral("italic"),
     [](QTextCharFormat &f) {
         f.setFontItalic(true);
     }},
    {QStringLiteral("underline"),
     [](QTextCharFormat &f) {
         f.setFontUnderline(true);
     }},
    {QStringLiteral("strike"),
     [](QTextCharFormat &f) {
         f.setFontStrikeOut(true);
     }},
    {QStringLiteral("super"),
     [](QTextCharFormat &f) {
         f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
     }},
    {QStringLiteral("sub"),
     [](QTextCharFormat &f) {
         f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
     }},
    {QStringLiteral("caps"),
     [](QTextCharFormat &f) {
         f.setFontCapitalization(QFont::AllUppercase);
     }},
    {QStringLiteral("small"),
     [](QTextCharFormat &f) {
         f.setFontCapitalization(QFont::SmallCaps);
     }},
    {QStringLiteral("face"),
     [](QTextCharFormat &f) {
         f.setFontFamilies({QStringLiteral("Courier New")});
     }},
    {QStringLiteral("size"),
     [](QTextCharFormat &f) {
         f.setFontPointSize(15.5);
     }},
    {QStringLiteral("red"),
     [](QTextCharFormat &f) {
         f.setForeground(QColor(255, 0, 0));
     }},
    {QStringLiteral("fill"),
     [](QTextCharFormat &f) {
         f.setBackground(QColor(255, 255, 0));
     }},
    {QStringLiteral("link"),
     [](QTextCharFormat &f) {
         f.setAnchor(true);
         f.setAnchorHref(QStringLiteral("https://example.org/x"));
     }},
    {QStringLiteral("\u00e9t\u00e9 \u0416 \u4e2d"),
     [](QTextCharFormat &) {
     }},
};

void formatWords(QTextCursor &cursor)
{
    const int start = cursor.position();
    QStringList words;
    for (const auto &[word, change] : kWordFormats)
        words << word;
    cursor.insertText(words.join(QLatin1Char(' ')), arial10());

    int position = start;
    for (const auto &[word, change] : kWordFormats) {
        cursor.setPosition(position);
        cursor.setPosition(position + static_cast<int>(word.size()), QTextCursor::KeepAnchor);
        QTextCharFormat format;
        change(format);
        cursor.mergeCharFormat(format);
        position += static_cast<int>(word.size()) + 1;
    }
    cursor.movePosition(QTextCursor::End);
}

void addParagraph(QTextCursor &cursor, const QString &text, const std::function<void(QTextCursor &)> &format)
{
    cursor.insertBlock(QTextBlockFormat(), arial10());
    cursor.insertText(text, arial10());
    format(cursor);
}

QTextDocument *editedNote(QObject *parent)
{
    auto *document = new QTextDocument(parent);
    QTextCursor cursor(document);
    cursor.setBlockCharFormat(arial10());
    formatWords(cursor);

    const std::pair<const char *, QTextListFormat::Style> lists[] = {
        {"bullet", QTextListFormat::ListDisc},       {"one", QTextListFormat::ListDecimal},
        {"two", QTextListFormat::ListDecimal},       {"letter", QTextListFormat::ListLowerAlpha},
        {"LETTER", QTextListFormat::ListUpperAlpha}, {"roman", QTextListFormat::ListLowerRoman},
        {"ROMAN", QTextListFormat::ListUpperRoman},
    };
    for (const auto &[text, style] : lists) {
        addParagraph(cursor, QString::fromLatin1(text), [style = style](QTextCursor &c) {
            QTextList *previous = c.block().previous().textList();
            if (previous && previous->format().style() == style)
                previous->add(c.block());
            else
                c.createList(style);
        });
    }
    for (const Qt::Alignment alignment : {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft}) {
        addParagraph(cursor, QStringLiteral("aligned"), [alignment](QTextCursor &c) {
            QTextBlockFormat format;
            format.setAlignment(alignment);
            c.mergeBlockFormat(format);
        });
    }

    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted.png")), image);
    addParagraph(cursor, QStringLiteral("picture\t"),
                 [](QTextCursor &c) { c.insertImage(QStringLiteral("pasted.png")); });
    cursor.insertBlock(QTextBlockFormat(), arial10()); // the empty last paragraph
    return document;
}

TEST(EditedNote, keepsEveryFormatThroughRtf)
{
    QObject owner;
    const QTextDocument *edited = editedNote(&owner);
    const rtf::RichTextDocument before = ui::richText(*edited);

    QTextDocument reopened;
    ui::setRichText(reopened, rtf::readRtf(rtf::writeRtf(before)));

    EXPECT_EQ(reopened.toRawText(), edited->toRawText());
    EXPECT_EQ(ui::richText(reopened), before);
}

} // namespace
