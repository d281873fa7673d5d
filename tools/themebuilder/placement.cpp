#include "themebuilder/placement.h"

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
    return value >= 0 ? low + value : high + 1 + value;
}

namespace {

// Centres [low, high) in the reference span keeping the sign of its extent; halvings truncate
// toward zero, as the program's layout does.
void centre(int &low, int &high, int referenceLow, int referenceHigh, int extent)
{
    const int half = (referenceHigh - referenceLow) / 2;
    const int sign = high >= low ? 1 : -1;
    const int w = (extent * sign) / 2;
    low = referenceLow + half - w;
    high = referenceLow + half + w;
}

} // namespace

Edges resolvePlacement(const Placement &placement, const Edges &reference, std::optional<QSize> pictureSize)
{
    Edges edges{placeValue(placement.x1, reference.left, reference.right),
                placeValue(placement.y1, reference.top, reference.bottom),
                placeValue(placement.x2, reference.left, reference.right),
                placeValue(placement.y2, reference.top, reference.bottom)};
    if (edges.width() > reference.width()) {
        edges.left = reference.left;
        edges.right = reference.right;
    }
    if (edges.height() > reference.height()) {
        edges.top = reference.top;
        edges.bottom = reference.bottom;
    }
    const QSize size = pictureSize.value_or(QSize(edges.width(), edges.height()));
    if (placement.flags & CentreX)
        centre(edges.left, edges.right, reference.left, reference.right, size.width());
    if (placement.flags & CentreY)
        centre(edges.top, edges.bottom, reference.top, reference.bottom, size.height());
    return edges;
}

bool fixedWidth(const Placement &placement)
{
    return (placement.x1 >= 0) == (placement.x2 >= 0);
}

bool fixedHeight(const Placement &placement)
{
    return (placement.y1 >= 0) == (placement.y2 >= 0);
}

} // namespace tabulet::themebuilder
