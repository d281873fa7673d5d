#include "ui/editor/formattoggles.h"

#include "ui/editor/textformats.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

#include <vector>

namespace tabulet::ui {

namespace {

// As the fragments' formats, with the caret's format for a selection that touches none.
std::vector<rtf::CharacterFormat> selectedCharacterFormats(const QTextEdit &editor)
{
    std::vector<rtf::CharacterFormat> formats = selectedFragmentFormats(editor);
    if (formats.empty())
        formats.push_back(toCharacterFormat(editor.textCursor().charFormat(), editor.document()->defaultFont()));
    return formats;
}

template<typename Value, typename Read>
std::optional<Value> uniform(const std::vector<rtf::CharacterFormat> &formats, Read read)
{
    std::optional<Value> result;
    for (const rtf::CharacterFormat &format : formats) {
        const Value value = read(format);
        if (result && *result != value)
            return std::nullopt;
        result = value;
    }
    return result;
}

bool attributeOf(const rtf::CharacterFormat &format, CharacterToggle toggle)
{
    switch (toggle) {
    case CharacterToggle::Bold:
        return format.bold;
    case CharacterToggle::Italic:
        return format.italic;
    case CharacterToggle::Underline:
        return format.underline;
    case CharacterToggle::StrikeOut:
        return format.strikeOut;
    case CharacterToggle::Superscript:
        return format.verticalPosition == rtf::VerticalPosition::Superscript;
    case CharacterToggle::Subscript:
        return format.verticalPosition == rtf::VerticalPosition::Subscript;
    case CharacterToggle::AllCapitals:
        return format.allCapitals;
    case CharacterToggle::SmallCapitals:
        return format.smallCapitals;
    }
    return false;
}

// The attribute alone, set or cleared, as a format to merge. The capitals keep the other
// capitalisation of the text they are merged into, so they are merged piece by piece.
QTextCharFormat attributeFormat(CharacterToggle toggle, bool on, const rtf::CharacterFormat &current)
{
    QTextCharFormat format;
    switch (toggle) {
    case CharacterToggle::Bold:
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        break;
    case CharacterToggle::Italic:
        format.setFontItalic(on);
        break;
    case CharacterToggle::Underline:
        format.setFontUnderline(on);
        break;
    case CharacterToggle::StrikeOut:
        format.setFontStrikeOut(on);
        break;
    case CharacterToggle::Superscript:
        format.setVerticalAlignment(on ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal);
        break;
    case CharacterToggle::Subscript:
        format.setVerticalAlignment(on ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal);
        break;
    case CharacterToggle::AllCapitals:
        return capitalsFormat(on, current.smallCapitals);
    case CharacterToggle::SmallCapitals:
        return capitalsFormat(current.allCapitals, on);
    }
    return format;
}

bool isCapitals(CharacterToggle toggle)
{
    return toggle == CharacterToggle::AllCapitals || toggle == CharacterToggle::SmallCapitals;
}

void mergeEachFragment(QTextEdit &editor, CharacterToggle toggle, bool on)
{
    const QTextCursor selection = editor.textCursor();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    const QFont defaultFont = editor.document()->defaultFont();
    std::vector<std::pair<QTextCursor, QTextCharFormat>> pieces;
    for (QTextBlock block = editor.document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from >= to)
                continue;
            QTextCursor piece(editor.document());
            piece.setPosition(from);
            piece.setPosition(to, QTextCursor::KeepAnchor);
            pieces.emplace_back(piece,
                                attributeFormat(toggle, on, toCharacterFormat(fragment.charFormat(), defaultFont)));
        }
    }
    QTextCursor edit(editor.document());
    edit.beginEditBlock();
    for (auto &[piece, format] : pieces)
        piece.mergeCharFormat(format);
    edit.endEditBlock();
}

std::vector<QTextBlock> selectedBlocks(const QTextEdit &editor)
{
    const QTextCursor cursor = editor.textCursor();
    const QTextBlock last = editor.document()->findBlock(cursor.selectionEnd());
    std::vector<QTextBlock> blocks;
    for (QTextBlock block = editor.document()->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        blocks.push_back(block);
        if (block == last)
            break;
    }
    return blocks;
}

} // namespace

std::vector<rtf::CharacterFormat> selectedFragmentFormats(const QTextEdit &editor)
{
    const QTextCursor cursor = editor.textCursor();
    const QFont defaultFont = editor.document()->defaultFont();
    if (!cursor.hasSelection())
        return {toCharacterFormat(editor.currentCharFormat(), defaultFont)};
    std::vector<rtf::CharacterFormat> formats;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = editor.document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() < end && fragment.position() + fragment.length() > start)
                formats.push_back(toCharacterFormat(fragment.charFormat(), defaultFont));
        }
    }
    return formats;
}

void toggleCharacter(QTextEdit &editor, CharacterToggle toggle)
{
    const std::vector<rtf::CharacterFormat> formats = selectedCharacterFormats(editor);
    const std::optional<bool> state =
        uniform<bool>(formats, [toggle](const rtf::CharacterFormat &format) { return attributeOf(format, toggle); });
    const bool on = !state.value_or(false);
    QTextCursor cursor = editor.textCursor();
    if (!cursor.hasSelection()) {
        editor.mergeCurrentCharFormat(attributeFormat(toggle, on, formats.front()));
        return;
    }
    if (isCapitals(toggle)) {
        mergeEachFragment(editor, toggle, on);
        return;
    }
    cursor.mergeCharFormat(attributeFormat(toggle, on, formats.front()));
}

void toggleNumbering(QTextEdit &editor, rtf::Numbering numbering)
{
    const std::vector<QTextBlock> blocks = selectedBlocks(editor);
    bool allHaveIt = true;
    for (const QTextBlock &block : blocks) {
        const QTextList *list = block.textList();
        allHaveIt = allHaveIt && list && toNumbering(list->format().style()) == numbering;
    }
    QTextCursor edit = editor.textCursor();
    edit.beginEditBlock();
    for (const QTextBlock &block : blocks) {
        if (QTextList *list = block.textList())
            list->remove(block);
        QTextCursor paragraph(block);
        QTextBlockFormat format = block.blockFormat();
        format.setIndent(0);
        format.setTextIndent(0);
        paragraph.setBlockFormat(format);
    }
    if (!allHaveIt) {
        rtf::ParagraphFormat wanted;
        wanted.numbering = numbering;
        wanted.numberingStart = 1;
        QTextCursor first(blocks.front());
        QTextList *list = first.createList(toListFormat(wanted));
        for (std::size_t i = 1; i < blocks.size(); ++i)
            list->add(blocks[i]);
    }
    edit.endEditBlock();
}

void alignParagraphs(QTextEdit &editor, rtf::Alignment alignment)
{
    Qt::Alignment flags = Qt::AlignLeft;
    if (alignment == rtf::Alignment::Centre)
        flags = Qt::AlignHCenter;
    else if (alignment == rtf::Alignment::Right)
        flags = Qt::AlignRight;
    else if (alignment == rtf::Alignment::Justified)
        flags = Qt::AlignJustify;
    QTextBlockFormat format;
    format.setAlignment(flags);
    editor.textCursor().mergeBlockFormat(format);
}

SelectionFormat selectionFormat(const QTextEdit &editor)
{
    const std::vector<rtf::CharacterFormat> formats = selectedCharacterFormats(editor);
    SelectionFormat result;
    result.bold = uniform<bool>(formats, [](const rtf::CharacterFormat &format) { return format.bold; });
    result.italic = uniform<bool>(formats, [](const rtf::CharacterFormat &format) { return format.italic; });
    result.underline = uniform<bool>(formats, [](const rtf::CharacterFormat &format) { return format.underline; });
    result.strikeOut = uniform<bool>(formats, [](const rtf::CharacterFormat &format) { return format.strikeOut; });
    std::vector<rtf::ParagraphFormat> paragraphs;
    for (const QTextBlock &block : selectedBlocks(editor))
        paragraphs.push_back(toParagraphFormat(block.blockFormat(), block.textList()));
    for (const rtf::ParagraphFormat &paragraph : paragraphs) {
        if (&paragraph == &paragraphs.front()) {
            result.numbering = paragraph.numbering;
            result.alignment = paragraph.alignment;
            continue;
        }
        if (result.numbering != paragraph.numbering)
            result.numbering.reset();
        if (result.alignment != paragraph.alignment)
            result.alignment.reset();
    }
    return result;
}

} // namespace tabulet::ui
