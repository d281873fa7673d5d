#include "ui/editor/editingstyles.h"

#include <QColorDialog>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

#include <vector>

namespace tabulet::ui {

namespace {

// A colour as the notes' files write it: 0xBBGGRR.
QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

void clearParagraphs(QTextEdit &editor, QTextCursor &edit)
{
    const QTextCursor selection = editor.textCursor();
    QTextDocument &document = *editor.document();
    const QTextBlock last = document.findBlock(selection.selectionEnd());
    for (QTextBlock block = document.findBlock(selection.selectionStart()); block.isValid(); block = block.next()) {
        if (QTextList *list = block.textList())
            list->remove(block);
        QTextBlockFormat cleared;
        cleared.setRightMargin(block.blockFormat().rightMargin());
        cleared.setAlignment(Qt::AlignLeft);
        cleared.setLineHeight(100, QTextBlockFormat::SingleHeight);
        edit.setPosition(block.position());
        edit.setBlockFormat(cleared);
        if (block == last)
            break;
    }
}

// Sets the default character format on every piece of the selection but the pictures, which
// would lose what makes them pictures.
void clearCharacters(QTextEdit &editor, QTextCursor &edit)
{
    const QTextCursor selection = editor.textCursor();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    std::vector<std::pair<int, int>> pieces;
    const QTextDocument &document = *editor.document();
    for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from < to && !fragment.charFormat().isImageFormat())
                pieces.emplace_back(from, to);
        }
    }
    for (const auto &[from, to] : pieces) {
        edit.setPosition(from);
        edit.setPosition(to, QTextCursor::KeepAnchor);
        edit.setCharFormat(QTextCharFormat());
    }
}

} // namespace

const std::array<QColor, 16> kInitialCustomColours{
    fromBgr(0xa0c6ec), fromBgr(0xa0d2ec), fromBgr(0xa0dfec), fromBgr(0xa0ecec), fromBgr(0xa0ecd2), fromBgr(0xa0ecb9),
    fromBgr(0xececa0), fromBgr(0xecdfa0), fromBgr(0xecd2a0), fromBgr(0xecc6a0), fromBgr(0xecb9a0), fromBgr(0xecada0),
    fromBgr(0xeca0ad), fromBgr(0xb4c6d8), fromBgr(0xb4ccd8), fromBgr(0xb4d2d8),
};

void installCustomColours()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (int i = 0; i < int(kInitialCustomColours.size()); ++i)
        QColorDialog::setCustomColor(i, kInitialCustomColours[std::size_t(i)]);
}

void clearStyles(QTextEdit &editor)
{
    QTextCursor edit(editor.document());
    edit.beginEditBlock();
    clearParagraphs(editor, edit);
    if (editor.textCursor().hasSelection())
        clearCharacters(editor, edit);
    edit.endEditBlock();
    if (!editor.textCursor().hasSelection())
        editor.setCurrentCharFormat(QTextCharFormat());
}

QFont selectionFont(const QTextEdit &editor)
{
    QFont font = editor.currentCharFormat().font();
    return font.resolve(editor.document()->defaultFont());
}

void applyFont(QTextEdit &editor, const QFont &font)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{font.family()});
    if (font.pointSizeF() > 0)
        format.setFontPointSize(font.pointSizeF());
    format.setFontWeight(font.weight());
    format.setFontItalic(font.italic());
    format.setFontUnderline(font.underline());
    format.setFontStrikeOut(font.strikeOut());
    editor.mergeCurrentCharFormat(format);
}

void applyTextColour(QTextEdit &editor, const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    editor.mergeCurrentCharFormat(format);
}

void applyFillColour(QTextEdit &editor, const QColor &colour)
{
    QTextCharFormat format;
    format.setBackground(colour);
    editor.mergeCurrentCharFormat(format);
}

} // namespace tabulet::ui
