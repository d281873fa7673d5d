#include "ui/editor/noteprinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace tabulet::ui {
namespace {

constexpr int kMarginInches = 1;

// The printable area in whole inches, and the text rectangle an inch inside it; the whole area
// when the margins would leave nothing.
QRect textRectangle(const QPrinter &printer, bool &tooSmall)
{
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const int dotsX = printer.logicalDpiX();
    const int dotsY = printer.logicalDpiY();
    const int inchesWide = printable.width() / dotsX;
    const int inchesHigh = printable.height() / dotsY;
    tooSmall = inchesWide <= 2 * kMarginInches || inchesHigh <= 2 * kMarginInches;
    if (tooSmall)
        return QRect(0, 0, printable.width(), printable.height());
    return QRect(kMarginInches * dotsX, kMarginInches * dotsY, (inchesWide - 2 * kMarginInches) * dotsX,
                 (inchesHigh - 2 * kMarginInches) * dotsY);
}

// A copy of the note holding only [from, to).
std::unique_ptr<QTextDocument> printedPart(const QTextDocument &note, int from, int to)
{
    std::unique_ptr<QTextDocument> part(note.clone());
    const int end = part->characterCount() - 1;
    QTextCursor cut(part.get());
    if (to >= 0 && to < end) {
        cut.setPosition(to);
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
    if (from > 0) {
        cut.setPosition(0);
        cut.setPosition(std::min(from, part->characterCount() - 1), QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
    return part;
}

} // namespace

PrintResult printNote(const QTextDocument &note, QPrinter &printer, int from, int to)
{
    // The printable area is the paper less what the printer cannot reach; the margins are ours.
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    PrintResult result;
    const QRect text = textRectangle(printer, result.pageTooSmall);
    const std::unique_ptr<QTextDocument> part = printedPart(note, from, to);
    part->documentLayout()->setPaintDevice(&printer);
    part->setDocumentMargin(0);
    part->setPageSize(text.size());

    QPainter painter;
    if (!painter.begin(&printer))
        return result;
    const int pageCount = part->pageCount();
    bool pageFailed = false;
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !printer.newPage()) {
            pageFailed = true;
            break;
        }
        painter.save();
        painter.translate(text.left(), text.top() - page * text.height());
        part->drawContents(&painter, QRectF(0, page * text.height(), text.width(), text.height()));
        painter.restore();
        ++result.pages;
        if (printer.printerState() == QPrinter::Aborted || printer.printerState() == QPrinter::Error)
            break;
    }
    const QPrinter::PrinterState state = printer.printerState();
    const bool ended = painter.end();
    if (state == QPrinter::Aborted)
        result.outcome = PrintResult::Outcome::Cancelled;
    else if (pageFailed || !ended || state == QPrinter::Error)
        result.outcome = PrintResult::Outcome::Failed;
    else
        result.outcome = PrintResult::Outcome::Printed;
    return result;
}

} // namespace tabulet::ui
