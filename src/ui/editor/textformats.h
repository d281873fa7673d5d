#pragma once

#include "rtf/richtextdocument.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextImageFormat>
#include <QTextListFormat>

class QFont;
class QTextList;

// Conversions between the rich-text model's formats and QTextDocument's. Lengths: the model
// counts in twips, the document in pixels at 96 dpi (15 twips a pixel), so whole twips survive
// the trip both ways.
namespace tabulet::ui {

inline constexpr double kTwipsPerPixel = 15.0;

// Properties the document has no slot for, kept so that nothing is lost on the way back.
enum class BridgeProperty : int {
    NumberingStart = QTextFormat::UserProperty + 0x5401, // on a list format: the model's first number
    SmallCapitalsToo,                                    // all capitals and small capitals both on
    PictureType,                                         // on an image format: rtf::PictureType
    PicturePixelWidth,                                   // the image's own size
    PicturePixelHeight,
    OffsetHalfPoints, // the model's raised or lowered offset, shown as the baseline offset
};

constexpr int propertyId(BridgeProperty property)
{
    return static_cast<int>(property);
}

inline qreal toPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// Whole twips, bounded so that a huge pixel length cannot overflow.
int toTwips(qreal pixels);

// Raises (above 0) or lowers the text by an offset in half-points, for text of that size.
void setOffset(QTextCharFormat &format, int offsetHalfPoints, int sizeHalfPoints);
QTextCharFormat toCharFormat(const rtf::CharacterFormat &format);

// Reads a character format. Where the document leaves size, weight or slant unset, the default
// font decides; an unset face stays empty (the editor's font shows it).
rtf::CharacterFormat toCharacterFormat(const QTextCharFormat &format, const QFont &defaultFont);

// Capitals alone, to merge into a selection (the all-capitals and small-capitals toggles). The
// document shows one capitalisation; with both on it shows all capitals and keeps small capitals
// for the way back.
QTextCharFormat capitalsFormat(bool allCapitals, bool smallCapitals);

QTextBlockFormat toBlockFormat(const rtf::ParagraphFormat &format);

// The list format of a numbered or bulleted paragraph (numbering other than none).
QTextListFormat toListFormat(const rtf::ParagraphFormat &format);

// Reads a paragraph's format from its block format and the list it belongs to (may be null).
rtf::ParagraphFormat toParagraphFormat(const QTextBlockFormat &format, const QTextList *list);

// The model's numbering for a list style (bullet for the three bullet shapes).
rtf::Numbering toNumbering(QTextListFormat::Style style);

} // namespace tabulet::ui
