#include "theme/layout.h"

namespace tabulet::theme {

namespace {

// Centres [low, high) of the given extent in the reference span; a reversed span stays reversed.
// Both halvings truncate toward zero, as the theme files were made against.
void centre(int &low, int &high, int referenceLow, int referenceHigh, int extent)
{
    const int half = (referenceHigh - referenceLow) / 2;
    const int sign = high >= low ? 1 : -1;
    const int w = (extent * sign) / 2;
    low = referenceLow + half - w;
    high = referenceLow + half + w;
}

} // namespace

Rect resolveRect(const Coordinates &coordinates, const Rect &reference, std::optional<QSize> pictureSize)
{
    Rect rect{resolveCoordinate(coordinates.x1, reference.left, reference.right),
              resolveCoordinate(coordinates.y1, reference.top, reference.bottom),
              resolveCoordinate(coordinates.x2, reference.left, reference.right),
              resolveCoordinate(coordinates.y2, reference.top, reference.bottom)};
    if (rect.width() > reference.width()) {
        rect.left = reference.left;
        rect.right = reference.right;
    }
    if (rect.height() > reference.height()) {
        rect.top = reference.top;
        rect.bottom = reference.bottom;
    }
    const QSize size = pictureSize ? *pictureSize : QSize(rect.width(), rect.height());
    if (coordinates.centring.x)
        centre(rect.left, rect.right, reference.left, reference.right, size.width());
    if (coordinates.centring.y)
        centre(rect.top, rect.bottom, reference.top, reference.bottom, size.height());
    return rect;
}

std::optional<QSize> centringSize(const ThemeBitmap &bitmap)
{
    if (bitmap.picture && bitmap.picture->size.isValid())
        return bitmap.picture->size;
    return std::nullopt;
}

Rect bitmapRect(const ThemeBitmap &bitmap, const Rect &reference)
{
    if (!bitmap.picture) {
        Coordinates plain = bitmap.coordinates;
        plain.centring = {};
        return resolveRect(plain, reference);
    }
    return resolveRect(bitmap.coordinates, reference, centringSize(bitmap));
}

ThemeLayout layoutTheme(const Subtheme &subtheme, const Rect &window)
{
    ThemeLayout layout;
    layout.window = window;
    for (const auto &[name, rect] : subtheme.rects)
        layout.rects.emplace(name, resolveRect(rect.coordinates, window));

    const auto root = layout.rects.find(QStringLiteral("ROOT"));
    const Rect base = root == layout.rects.end() ? window : root->second;

    for (std::size_t i = 0; i < subtheme.buttons.size(); ++i) {
        const ThemeButton &button = subtheme.buttons[i];
        if (!button.hasWindow())
            continue;
        const QPoint topLeft(resolveCoordinate(button.x, base.left, base.right),
                             resolveCoordinate(button.y, base.top, base.bottom));
        layout.buttons.push_back({&button, static_cast<int>(i), QRect(topLeft, button.size())});
    }

    layout.bitmaps.reserve(subtheme.bitmaps.size());
    for (const ThemeBitmap &bitmap : subtheme.bitmaps)
        layout.bitmaps.push_back(bitmapRect(bitmap, base));
    return layout;
}

std::optional<Rect> findRect(const ThemeLayout &layout, const QString &name)
{
    const auto found = layout.rects.find(name);
    if (found == layout.rects.end())
        return std::nullopt;
    return found->second;
}

std::optional<Rect> findRect(const Subtheme &subtheme, const QString &name, const Rect &reference)
{
    const ThemeRect *rect = subtheme.rect(name);
    if (!rect)
        return std::nullopt;
    return resolveRect(rect->coordinates, reference);
}

std::vector<PaintStep> paintTheme(const Subtheme &subtheme, const ThemeLayout &layout, std::optional<Rect> area)
{
    std::vector<PaintStep> steps;
    // A layout made for another subtheme has a different count; only what both know is drawn.
    const std::size_t count = std::min(subtheme.bitmaps.size(), layout.bitmaps.size());
    for (std::size_t i = 0; i < count; ++i) {
        const ThemeBitmap &bitmap = subtheme.bitmaps[i];
        if (!bitmap.picture)
            continue;
        const Rect &rect = layout.bitmaps[i];
        if (!area) {
            steps.push_back({&bitmap, rect});
            continue;
        }
        if (!rect.intersects(*area))
            continue;
        steps.push_back({&bitmap, rect.translated(-area->left, -area->top)});
    }
    return steps;
}

std::vector<PaintStep> paintCombined(const Subtheme &subtheme, const QString &name, const Rect &area)
{
    std::vector<PaintStep> steps;
    const CombinedBitmap *combined = subtheme.combinedBitmap(name);
    if (!combined)
        return steps;
    for (const ThemeBitmap &bitmap : combined->bitmaps) {
        if (bitmap.picture)
            steps.push_back({&bitmap, bitmapRect(bitmap, area)});
    }
    return steps;
}

QRect fitWindow(const QRect &window, QSize minimum, const QRect &desktop)
{
    Rect rect = Rect::fromQRect(window);
    if (rect.width() < minimum.width())
        rect.right = rect.left + minimum.width();
    if (rect.height() < minimum.height())
        rect.bottom = rect.top + minimum.height();

    const Rect bounds = Rect::fromQRect(desktop);
    if (rect.right > bounds.right)
        rect = rect.translated(bounds.right - rect.right, 0);
    else if (rect.left < bounds.left)
        rect = rect.translated(bounds.left - rect.left, 0);
    if (rect.bottom > bounds.bottom)
        rect = rect.translated(0, bounds.bottom - rect.bottom);
    else if (rect.top < bounds.top)
        rect = rect.translated(0, bounds.top - rect.top);
    return rect.toQRect();
}

} // namespace tabulet::theme
