#include "themebuilder/glyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>
#include <map>

namespace tabulet::themebuilder {

namespace {

using GlyphPainter = std::function<void(QPainter &, const QColor &, const QColor &)>;

constexpr qreal kStroke = 2.0;

QPen strokePen(const QColor &ink)
{
    return QPen(ink, kStroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Rows of a 3 x 5 pixel digit, '#' set.
void drawPixelDigit(QPainter &painter, const std::array<const char *, 5> &rows, int x, int y, const QColor &ink)
{
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 3; ++column)
            if (rows[row][column] == '#')
                painter.fillRect(x + column, y + row, 1, 1, ink);
}

void drawBold(QPainter &painter, const QColor &ink, const QColor &)
{
    QPainterPath stem;
    stem.addRect(3, 2, 4, 12);
    QPainterPath upper;
    upper.addRoundedRect(QRectF(3, 2, 8.5, 6), 3, 3);
    QPainterPath lower;
    lower.addRoundedRect(QRectF(3, 7, 9.5, 7), 3.5, 3.5);
    QPainterPath counters;
    counters.addRoundedRect(QRectF(6, 4.5, 3, 1.5), 0.75, 0.75);
    counters.addRoundedRect(QRectF(6, 9.5, 3.5, 2), 1, 1);
    painter.fillPath(stem.united(upper).united(lower).subtracted(counters), ink);
}

void drawItalic(QPainter &painter, const QColor &ink, const QColor &)
{
    painter.fillRect(7, 2, 6, 2, ink);
    painter.fillRect(3, 12, 6, 2, ink);
    QPainterPath stem;
    stem.moveTo(8.5, 4);
    stem.lineTo(10.5, 4);
    stem.lineTo(7.5, 12);
    stem.lineTo(5.5, 12);
    stem.closeSubpath();
    painter.fillPath(stem, ink);
}

void drawUnderline(QPainter &painter, const QColor &ink, const QColor &)
{
    QPainterPath letter;
    letter.moveTo(5, 2);
    letter.lineTo(5, 8);
    letter.arcTo(QRectF(5, 5, 6, 6), 180, 180);
    letter.lineTo(11, 2);
    painter.strokePath(letter, strokePen(ink));
    painter.fillRect(3, 13, 10, 2, ink);
}

void drawStrikeout(QPainter &painter, const QColor &ink, const QColor &)
{
    QPainterPath letter;
    letter.arcMoveTo(QRectF(5, 2.5, 6, 5.5), 25);
    letter.arcTo(QRectF(5, 2.5, 6, 5.5), 25, 245);
    letter.arcTo(QRectF(5, 8, 6, 5.5), 90, -245);
    painter.strokePath(letter, strokePen(ink));
    painter.fillRect(2, 7, 12, 2, ink);
}

void drawBulleted(QPainter &painter, const QColor &ink, const QColor &)
{
    for (const int y : {1, 6, 11}) {
        QPainterPath dot;
        dot.addEllipse(QRectF(1.5, y + 1.5, 3, 3));
        painter.fillPath(dot, ink);
        painter.fillRect(6, y + 2, 9, 2, ink);
    }
}

void drawNumbered(QPainter &painter, const QColor &ink, const QColor &)
{
    // Three digits need a row more than the glyph square; the button has room for it above.
    drawPixelDigit(painter, {".#.", "##.", ".#.", ".#.", "###"}, 1, -1, ink);
    drawPixelDigit(painter, {"##.", "..#", ".#.", "#..", "###"}, 1, 5, ink);
    drawPixelDigit(painter, {"##.", "..#", ".#.", "..#", "##."}, 1, 11, ink);
    for (const int y : {-1, 5, 11})
        painter.fillRect(6, y + 2, 9, 2, ink);
}

// Four lines of alternating length, the short ones placed by the alignment.
void drawAlignment(QPainter &painter, const QColor &ink, int shortLeft)
{
    for (const int y : {1, 5, 9, 13}) {
        const bool isShort = y == 5 || y == 13;
        painter.fillRect(isShort ? shortLeft : 1, y, isShort ? 8 : 14, 2, ink);
    }
}

QPainterPath letterA(qreal left, qreal top, qreal width, qreal height, qreal barY)
{
    QPainterPath letter;
    letter.moveTo(left, top + height);
    letter.lineTo(left + width / 2, top);
    letter.lineTo(left + width, top + height);
    letter.moveTo(left + width * 0.22, barY);
    letter.lineTo(left + width * 0.78, barY);
    return letter;
}

void drawFont(QPainter &painter, const QColor &ink, const QColor &)
{
    painter.strokePath(letterA(1.5, 2.5, 8, 11.5, 10), strokePen(ink));
    QPainterPath bowl;
    bowl.addEllipse(QRectF(9.5, 8.5, 5, 5.5));
    QPainterPath counter;
    counter.addEllipse(QRectF(11, 10, 2, 2.5));
    QPainterPath stem;
    stem.addRect(13, 9.5, 2, 4.5);
    painter.fillPath(bowl.subtracted(counter).united(stem), ink);
}

void drawTextColour(QPainter &painter, const QColor &ink, const QColor &accent)
{
    painter.strokePath(letterA(3.5, 1.5, 9, 9.5, 8), strokePen(ink));
    painter.fillRect(2, 13, 12, 3, accent);
}

void drawNewTab(QPainter &painter, const QColor &ink, const QColor &)
{
    painter.fillRect(7, 2, 2, 12, ink);
    painter.fillRect(2, 7, 12, 2, ink);
}

void drawMenu(QPainter &painter, const QColor &ink, const QColor &)
{
    for (const int y : {3, 7, 11})
        painter.fillRect(2, y, 12, 2, ink);
}

void drawOnTop(QPainter &painter, const QColor &ink, const QColor &)
{
    painter.fillRect(4, 1, 8, 2, ink);
    painter.fillRect(5, 3, 2, 5, ink);
    painter.fillRect(9, 3, 2, 5, ink);
    painter.fillRect(3, 8, 10, 2, ink);
    painter.fillRect(7, 10, 2, 5, ink);
}

void drawMinimize(QPainter &painter, const QColor &ink, const QColor &)
{
    painter.fillRect(3, 11, 10, 2, ink);
}

void drawExit(QPainter &painter, const QColor &ink, const QColor &)
{
    QPainterPath cross;
    cross.moveTo(3.5, 3.5);
    cross.lineTo(12.5, 12.5);
    cross.moveTo(12.5, 3.5);
    cross.lineTo(3.5, 12.5);
    painter.strokePath(cross, strokePen(ink));
}

const std::map<QString, GlyphPainter> &glyphs()
{
    static const std::map<QString, GlyphPainter> table{
        {QStringLiteral("makeSelectionBold"), drawBold},
        {QStringLiteral("makeSelectionItalics"), drawItalic},
        {QStringLiteral("makeSelectionUnderline"), drawUnderline},
        {QStringLiteral("makeSelectionStrikeout"), drawStrikeout},
        {QStringLiteral("makeSelectionBulleted"), drawBulleted},
        {QStringLiteral("makeSelectionNumbered"), drawNumbered},
        {QStringLiteral("alignLeft"),
         [](QPainter &p, const QColor &ink, const QColor &) {
             drawAlignment(p, ink, 1);
         }},
        {QStringLiteral("alignCenter"),
         [](QPainter &p, const QColor &ink, const QColor &) {
             drawAlignment(p, ink, 4);
         }},
        {QStringLiteral("alignRight"),
         [](QPainter &p, const QColor &ink, const QColor &) {
             drawAlignment(p, ink, 7);
         }},
        {QStringLiteral("selectFont"), drawFont},
        {QStringLiteral("selectTextColor"), drawTextColour},
        {QStringLiteral("newTab"), drawNewTab},
        {QStringLiteral("showMenu"), drawMenu},
        {QStringLiteral("windowOnTop"), drawOnTop},
        {QStringLiteral("minimize"), drawMinimize},
        {QStringLiteral("exit"), drawExit},
    };
    return table;
}

} // namespace

bool hasGlyph(const QString &command)
{
    return glyphs().count(command) != 0;
}

void drawGlyph(QPainter &painter, const QString &command, const QColor &ink, const QColor &accent)
{
    const auto found = glyphs().find(command);
    if (found == glyphs().end())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    found->second(painter, ink, accent);
    painter.restore();
}

void drawArrow(QPainter &painter, ArrowDirection direction, int size, const QColor &ink)
{
    // Whole-pixel rows: each column one pixel shorter at both ends, so the edges stay crisp.
    const int columns = size / 2;
    for (int column = 0; column < columns; ++column) {
        const int x =
            direction == ArrowDirection::Left ? (size - columns) / 2 + column : (size + columns) / 2 - 1 - column;
        const int inset = columns - 1 - column;
        painter.fillRect(x, inset, 1, size - 2 * inset, ink);
    }
}

} // namespace tabulet::themebuilder
