// The icon set of the shipped themes: one 16 x 16 glyph per button command, drawn from paths on
// whole pixels where the shape allows it, with a two-pixel stroke throughout.
#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace tabulet::themebuilder {

constexpr int kGlyphSize = 16;

// Whether a glyph exists for the command.
bool hasGlyph(const QString &command);

// Draws the command's glyph with its top-left corner at the painter's origin.
void drawGlyph(QPainter &painter, const QString &command, const QColor &ink, const QColor &accent);

enum class ArrowDirection { Left, Right };

// A solid triangle filling an even-sized square, for the tab strip's scroll arrows.
void drawArrow(QPainter &painter, ArrowDirection direction, int size, const QColor &ink);

} // namespace tabulet::themebuilder
