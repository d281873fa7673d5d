#include "ui/editor/editingsort.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace tabulet::ui {

namespace {

struct Piece
{
    QString text;
    QTextCharFormat format;
};

struct Line
{
    QByteArray key; // the text as UTF-8, whose byte order is the order of the characters
    std::vector<Piece> pieces;
};

// The line's text piece by piece with each piece's character format (pictures included).
std::vector<Piece> piecesOf(const QTextBlock &block)
{
    std::vector<Piece> pieces;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        pieces.push_back({it.fragment().text(), it.fragment().charFormat()});
    return pieces;
}

QTextCursor contentOf(const QTextBlock &block)
{
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

bool sortLines(QTextEdit &editor, SortOrder order)
{
    QTextCursor selection = editor.textCursor();
    if (!selection.hasSelection())
        return false;
    QTextDocument &document = *editor.document();
    const QTextBlock first = document.findBlock(selection.selectionStart());
    const QTextBlock last = document.findBlock(selection.selectionEnd());
    if (first == last)
        return false;
    std::vector<QTextBlock> blocks;
    std::vector<Line> lines;
    for (QTextBlock block = first;; block = block.next()) {
        blocks.push_back(block);
        lines.push_back({block.text().toUtf8(), piecesOf(block)});
        if (block == last)
            break;
    }
    std::stable_sort(lines.begin(), lines.end(), [order](const Line &a, const Line &b) {
        return order == SortOrder::Ascending ? a.key < b.key : b.key < a.key;
    });
    const int blockStart = first.position();
    QTextCursor edit(&document);
    edit.beginEditBlock();
    // From the last paragraph up, so that the places of those before stay where they were.
    for (std::size_t i = blocks.size(); i-- > 0;) {
        QTextCursor content = contentOf(blocks[i]);
        content.removeSelectedText();
        for (const Piece &piece : lines[i].pieces)
            content.insertText(piece.text, piece.format);
    }
    edit.endEditBlock();
    const QTextBlock sortedLast = document.findBlockByNumber(first.blockNumber() + int(blocks.size()) - 1);
    selection.setPosition(blockStart);
    selection.setPosition(sortedLast.position() + sortedLast.length() - 1, QTextCursor::KeepAnchor);
    editor.setTextCursor(selection);
    return true;
}

} // namespace tabulet::ui
