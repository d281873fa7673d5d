// The theme's coordinate rule: a value v >= 0 counts from the left (top) edge of the reference,
// v < 0 from its exclusive right (bottom) edge, so -1 is that edge itself. The resulting edges
// may be reversed, which draws the picture mirrored.
#pragma once

#include "theme/subtheme.h"

#include <QRect>
#include <QSize>

#include <optional>

namespace tabulet::themebuilder {

struct Edges
{
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0;

    static Edges of(const QRect &rect)
    {
        return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool mirroredX() const { return right < left; }
    bool mirroredY() const { return bottom < top; }
    QRect normalised() const;
};

int placeValue(int value, int low, int high);

Edges resolvePlacement(const theme::Coordinates &placement, const Edges &reference, std::optional<QSize> pictureSize);

// Whether an axis of a placement keeps its size whatever the reference (both ends counted from the
// same edge); otherwise the picture is stretched along it.
bool fixedWidth(const theme::Coordinates &placement);
bool fixedHeight(const theme::Coordinates &placement);

} // namespace tabulet::themebuilder
