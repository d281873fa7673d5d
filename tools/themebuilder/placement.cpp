#include "themebuilder/placement.h"

#include "theme/layout.h"

#include <algorithm>

namespace tabulet::themebuilder {

QRect Edges::normalised() const
{
    const int x = std::min(left, right);
    const int y = std::min(top, bottom);
    return QRect(x, y, std::max(left, right) - x, std::max(top, bottom) - y);
}

int placeValue(int value, int low, int high)
{
    return theme::resolveCoordinate(value, low, high);
}

// The program's own layout rule, so that the builder places pieces exactly as the window will.
Edges resolvePlacement(const theme::Coordinates &placement, const Edges &reference, std::optional<QSize> pictureSize)
{
    const theme::Rect resolved = theme::resolveRect(
        placement, theme::Rect{reference.left, reference.top, reference.right, reference.bottom}, pictureSize);
    return Edges{resolved.left, resolved.top, resolved.right, resolved.bottom};
}

bool fixedWidth(const theme::Coordinates &placement)
{
    return (placement.x1 >= 0) == (placement.x2 >= 0);
}

bool fixedHeight(const theme::Coordinates &placement)
{
    return (placement.y1 >= 0) == (placement.y2 >= 0);
}

} // namespace tabulet::themebuilder
