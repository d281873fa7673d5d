#pragma once

#include <QString>

namespace tabulet::settings {
class Settings;
}

namespace tabulet::theme {

struct Subtheme;

// The tab font the strip uses.
struct TabFontChoice
{
    QString face;
    int pointSize = 10;
    bool bold = false;
    bool italics = false;
    int height = 15; // the chosen tab height in pixels, before tabHeight() raises it
};

// The subtheme's tab font when it carries one and Settings "overridetheme" is exactly "0";
// otherwise Settings "tabfont", "tabfontsize", "tabfontbold", "tabfontitalics", "tabheight".
TabFontChoice chooseTabFont(const Subtheme *subtheme, const settings::Settings &settings);

// Points to pixels at the given dots per inch, to the nearest integer.
int fontPixels(int pointSize, int dotsPerInch);

// The chosen height, or the font's pixel size + 6 when the chosen height is less than that.
int tabHeight(int chosenHeight, int fontPixelSize);

} // namespace tabulet::theme
