// Reads arbitrary bytes as a theme's config.xml, then lays every subtheme out and plans its
// painting, so that hostile coordinates reach the layout arithmetic too.
#include "commands/commandtable.h"
#include "theme/layout.h"
#include "theme/themeconfig.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tabulet::theme;

namespace {

// Gives every bitmap a picture whose size comes from its own coordinates, so centring runs.
void givePictures(std::vector<ThemeBitmap> &bitmaps)
{
    for (ThemeBitmap &bitmap : bitmaps) {
        const Coordinates &c = bitmap.coordinates;
        bitmap.picture = ThemePicture{{}, {}, QSize(std::abs(c.x2 % 4096), std::abs(c.y2 % 4096))};
    }
}

void exercise(Subtheme subtheme)
{
    if (!subtheme.rect(QStringLiteral("ROOT")))
        std::abort();
    givePictures(subtheme.bitmaps);
    for (auto &[name, combined] : subtheme.combinedBitmaps)
        givePictures(combined.bitmaps);

    const Rect window{-4, -4, 446, 296};
    const ThemeLayout layout = layoutTheme(subtheme, window);
    if (layout.bitmaps.size() != subtheme.bitmaps.size() || layout.rects.size() != subtheme.rects.size())
        std::abort();
    const Rect area{10, 10, 40, 30};
    for (const PaintStep &step : paintTheme(subtheme, layout, area)) {
        if (!step.destination.intersects(Rect{0, 0, area.width(), area.height()}))
            std::abort();
    }
    for (const auto &[name, combined] : subtheme.combinedBitmaps)
        paintCombined(subtheme, name, Rect{100, 20, 180, 40});
    for (const auto &[name, rect] : subtheme.rects)
        findRect(subtheme, name, Rect{0, 0, 60, 18});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const tabulet::commands::CommandTable commandTable;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ConfigResult result = parseThemeConfig(bytes, commandTable);
    if (result.ok && result.subthemes.empty())
        std::abort();
    for (const auto &[title, subtheme] : result.subthemes)
        exercise(subtheme);
    return 0;
}
