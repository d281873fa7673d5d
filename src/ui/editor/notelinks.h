#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class QTextEdit;

namespace tabulet::ui {

// The target of the link under a point of the editor's viewport: a link field's, else that of an
// address written in the text (see rtf::detectLinks); empty when the point is on no link.
QString linkTargetAt(const QTextEdit &editor, QPoint viewportPoint);

// Underlines, in the palette's link colour, the addresses written in the text that the area of
// the editor's viewport shows. Only the painting shows them: the note's formats stay as they are,
// so nothing about them is saved.
void underlineWrittenLinks(const QTextEdit &editor, QPainter &painter, QRect area);

} // namespace tabulet::ui
