#pragma once

#include "theme/subtheme.h"

#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace tabulet::theme {

// One coordinate against the span [low, high): v >= 0 gives low + v, v < 0 gives high + 1 + v.
constexpr int resolveCoordinate(int value, int low, int high)
{
    return value >= 0 ? low + value : high + 1 + value;
}

// Resolves theme coordinates against the reference rectangle: negative values count from the
// right/bottom, a rectangle wider (higher) than the reference is clamped to it, and centring
// places the picture size (or the rectangle's own size) in the middle, keeping a reversed
// rectangle reversed.
Rect resolveRect(const Coordinates &coordinates, const Rect &reference, std::optional<QSize> pictureSize = {});

// The size a bitmap centres with: its picture's size when a picture with a known size is read.
std::optional<QSize> centringSize(const ThemeBitmap &bitmap);

// Where a bitmap is drawn: resolved with its centring and picture size when it has a picture,
// plain coordinates without centring otherwise.
Rect bitmapRect(const ThemeBitmap &bitmap, const Rect &reference);

struct ButtonPlacement
{
    const ThemeButton *button = nullptr;
    int buttonIndex = -1; // into Subtheme::buttons
    QRect geometry;       // top-left resolved against "ROOT", size of the normal picture
};

// The positions of everything in a subtheme for one window rectangle.
struct ThemeLayout
{
    Rect window;                              // the reference: the window rectangle in client coordinates
    std::map<QString, Rect, ByteOrder> rects; // every named rect, "ROOT" included
    std::vector<ButtonPlacement> buttons;     // buttons that get a window, document order
    std::vector<Rect> bitmaps;                // one per plain bitmap, document order
};

ThemeLayout layoutTheme(const Subtheme &subtheme, const Rect &window);

// The named rect from the last layout, or nothing when the subtheme has no rect of that name.
std::optional<Rect> findRect(const ThemeLayout &layout, const QString &name);
// The named rect's coordinates resolved against the reference with its own centring.
std::optional<Rect> findRect(const Subtheme &subtheme, const QString &name, const Rect &reference);

// One picture to draw: the whole picture stretched to the destination's normalised area,
// mirrored on the axes where the destination is reversed.
struct PaintStep
{
    const ThemeBitmap *bitmap = nullptr;
    Rect destination; // may be reversed

    QRect target() const { return destination.toQRect(); }
    bool mirrorX() const { return destination.mirroredX(); }
    bool mirrorY() const { return destination.mirroredY(); }
};

// The plain bitmaps with a picture, in document order (later ones on top). Without an area:
// at their laid-out rectangles. With one: only those meeting the area, shifted by its top-left
// corner so that the surface's origin stands for it.
std::vector<PaintStep> paintTheme(const Subtheme &subtheme, const ThemeLayout &layout, std::optional<Rect> area = {});

// The pictures of a combined bitmap laid out in the caller's rectangle; empty when the subtheme
// has no combined bitmap of that name.
std::vector<PaintStep> paintCombined(const Subtheme &subtheme, const QString &name, const Rect &area);

// The window rectangle (screen coordinates) grown to the minimum size and moved onto the
// desktop, right and bottom edges winning when it is larger than the desktop.
QRect fitWindow(const QRect &window, QSize minimum, const QRect &desktop);

} // namespace tabulet::theme
