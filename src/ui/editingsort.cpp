#include "ui/editingsort.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace tabulet::ui {

namespace {

struct Line
{
    QByteArray key; // the text as UTF-8, whose byte order is the order of the characters
    QTextDocumentFragment content;
};

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
        lines.push_back({block.text().toUtf8(), contentOf(block).selection()});
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
        content.insertFragment(lines[i].content);
    }
    edit.endEditBlock();
    const QTextBlock sortedLast = document.findBlockByNumber(first.blockNumber() + int(blocks.size()) - 1);
    selection.setPosition(blockStart);
    selection.setPosition(sortedLast.position() + sortedLast.length() - 1, QTextCursor::KeepAnchor);
    editor.setTextCursor(selection);
    return true;
}

} // namespace tabulet::ui
