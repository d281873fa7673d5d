#pragma once

#include <QRect>

namespace tabulet::theme {

// A rectangle by its four edges, right and bottom exclusive, as themes describe them. It may be
// reversed (right < left or bottom < top): a picture drawn into it is then mirrored on that axis.
// QRect's right() and bottom() are inclusive, so conversions happen only at these edges.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }  // negative when reversed
    constexpr int height() const { return bottom - top; } // negative when reversed
    constexpr bool mirroredX() const { return right < left; }
    constexpr bool mirroredY() const { return bottom < top; }

    // The same area with reversed edges swapped.
    constexpr Rect normalized() const
    {
        return {left < right ? left : right, top < bottom ? top : bottom, left < right ? right : left,
                top < bottom ? bottom : top};
    }
    constexpr Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // Whether the normalised areas share at least one pixel.
    constexpr bool intersects(const Rect &other) const
    {
        const Rect a = normalized();
        const Rect b = other.normalized();
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    }
    constexpr bool contains(int x, int y) const
    {
        const Rect n = normalized();
        return x >= n.left && x < n.right && y >= n.top && y < n.bottom;
    }

    // The normalised area as a QRect.
    QRect toQRect() const
    {
        const Rect n = normalized();
        return QRect(n.left, n.top, n.right - n.left, n.bottom - n.top);
    }
    static Rect fromQRect(const QRect &rect)
    {
        return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }

    friend constexpr bool operator==(const Rect &, const Rect &) = default;
};

} // namespace tabulet::theme
