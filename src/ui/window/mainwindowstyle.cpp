#include "ui/window/mainwindowstyle.h"

#include "settings/fontrecord.h"
#include "theme/tabfont.h"

#include <algorithm>

namespace tabulet::ui {

namespace {

// Font face names are stored in fixed fields of 32 characters in the notes' format records.
constexpr int kMaxFaceLength = 32;

} // namespace

QColor toQColor(settings::Colour colour)
{
    return QColor(settings::redOf(colour), settings::greenOf(colour), settings::blueOf(colour));
}

QTextCharFormat defaultCharFormat(const settings::FontRecord &font, settings::Colour textColour)
{
    QTextCharFormat format;
    QFont qtFont(font.face.left(kMaxFaceLength));
    if (font.size > 0)
        qtFont.setPointSize(font.size);
    qtFont.setBold(font.bold);
    qtFont.setItalic(font.italic);
    format.setFont(qtFont);
    format.setForeground(toQColor(textColour));
    return format;
}

QFont tabFont(const theme::TabFontChoice &choice, int dotsPerInch)
{
    QFont font(choice.face);
    font.setPixelSize(std::max(1, theme::fontPixels(choice.pointSize, dotsPerInch)));
    // A light weight for plain tabs would pick thin faces where the face has them.
    font.setWeight(choice.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(choice.italics);
    return font;
}

} // namespace tabulet::ui
