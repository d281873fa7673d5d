#include "ui/editor/notelinks.h"

#include "rtf/detectedlinks.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>

namespace tabulet::ui {

namespace {

// Where the viewport's top left corner is in the document.
QPointF scrolled(const QTextEdit &editor)
{
    return {qreal(editor.horizontalScrollBar()->value()), qreal(editor.verticalScrollBar()->value())};
}

} // namespace

QString linkTargetAt(const QTextEdit &editor, QPoint viewportPoint)
{
    const QString field = editor.anchorAt(viewportPoint);
    if (!field.isEmpty())
        return field;
    const QTextDocument &note = *editor.document();
    int position = note.documentLayout()->hitTest(QPointF(viewportPoint) + scrolled(editor), Qt::ExactHit);
    if (position < 0)
        return {};
    const QTextBlock block = note.findBlock(position);
    // The hit is the caret place nearest the point: in a character's right half, after it.
    QTextCursor caret(block);
    caret.setPosition(position);
    if (position > block.position() && editor.cursorRect(caret).center().x() > viewportPoint.x())
        --position;
    const qsizetype inBlock = position - block.position();
    for (const rtf::DetectedLink &link : rtf::detectLinks(block.text())) {
        if (inBlock >= link.start && inBlock < link.start + link.length)
            return link.target;
    }
    return {};
}

void underlineWrittenLinks(const QTextEdit &editor, QPainter &painter, QRect area)
{
    const QPointF offset = scrolled(editor);
    painter.setPen(QPen(editor.palette().color(QPalette::Link), 1));
    for (QTextBlock block = editor.cursorForPosition(area.topLeft()).block(); block.isValid(); block = block.next()) {
        const QTextLayout &layout = *block.layout();
        const QPointF origin = layout.position() - offset;
        if (origin.y() > area.bottom())
            break;
        if (!block.isVisible())
            continue;
        for (const rtf::DetectedLink &link : rtf::detectLinks(block.text())) {
            for (int index = 0; index < layout.lineCount(); ++index) {
                const QTextLine line = layout.lineAt(index);
                const int from = int(std::max<qsizetype>(link.start, line.textStart()));
                const int to = int(std::min<qsizetype>(link.start + link.length, line.textStart() + line.textLength()));
                if (from >= to)
                    continue;
                const qreal y = origin.y() + line.y() + line.ascent() + 1.5;
                painter.drawLine(QPointF(origin.x() + line.cursorToX(from), y),
                                 QPointF(origin.x() + line.cursorToX(to), y));
            }
        }
    }
}

} // namespace tabulet::ui
