#include "theme/tabfont.h"

#include "settings/settings.h"
#include "settings/textnumber.h"
#include "theme/subtheme.h"

#include <cmath>

namespace tabulet::theme {

TabFontChoice chooseTabFont(const Subtheme *subtheme, const settings::Settings &settings)
{
    if (subtheme && subtheme->tabFont.present && settings.value(QStringLiteral("overridetheme")) == u"0") {
        const ThemeTabFont &font = subtheme->tabFont;
        return {font.face, font.size, font.bold, font.italics, font.height};
    }
    return {settings.value(QStringLiteral("tabfont")),
            settings::leadingNumber(settings.value(QStringLiteral("tabfontsize"))),
            settings.flag(QStringLiteral("tabfontbold")), settings.flag(QStringLiteral("tabfontitalics")),
            settings::leadingNumber(settings.value(QStringLiteral("tabheight")))};
}

int fontPixels(int pointSize, int dotsPerInch)
{
    return static_cast<int>(std::lround(static_cast<double>(pointSize) * dotsPerInch / 72.0));
}

int tabHeight(int chosenHeight, int fontPixelSize)
{
    return chosenHeight < fontPixelSize + 6 ? fontPixelSize + 6 : chosenHeight;
}

} // namespace tabulet::theme
