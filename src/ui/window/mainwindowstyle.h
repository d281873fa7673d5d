#pragma once

#include "settings/colour.h"

#include <QColor>
#include <QFont>
#include <QTextCharFormat>

namespace tabulet::settings {
struct FontRecord;
}
namespace tabulet::theme {
struct TabFontChoice;
}

namespace tabulet::ui {

QColor toQColor(settings::Colour colour);

// What unformatted text of a note shows with: its font (the face cut to 32 characters) and its
// text colour.
QTextCharFormat defaultCharFormat(const settings::FontRecord &font, settings::Colour textColour);

// The tab strip's font at a screen resolution: the chosen face and style, its size in pixels.
QFont tabFont(const theme::TabFontChoice &choice, int dotsPerInch);

} // namespace tabulet::ui
