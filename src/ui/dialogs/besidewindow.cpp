#include "ui/dialogs/besidewindow.h"

#include <algorithm>

namespace tabulet::ui {

namespace {

constexpr int kGap = 8;

// The coordinate that keeps `length` inside [low, high), starting from `wanted`; the low edge
// wins when it does not fit at all.
int clampedInto(int wanted, int length, int low, int high)
{
    return std::max(low, std::min(wanted, high - length));
}

} // namespace

QPoint besideWindow(const QRect &window, QSize dialog, const QRect &screen)
{
    const int screenRight = screen.left() + screen.width();
    const int screenBottom = screen.top() + screen.height();
    const int windowRight = window.left() + window.width();
    const int windowBottom = window.top() + window.height();
    const int centredX =
        clampedInto(window.left() + (window.width() - dialog.width()) / 2, dialog.width(), screen.left(), screenRight);
    const int alignedY = clampedInto(window.top(), dialog.height(), screen.top(), screenBottom);

    if (windowBottom + kGap + dialog.height() <= screenBottom)
        return {centredX, windowBottom + kGap};
    if (window.top() - kGap - dialog.height() >= screen.top())
        return {centredX, window.top() - kGap - dialog.height()};
    if (windowRight + kGap + dialog.width() <= screenRight)
        return {windowRight + kGap, alignedY};
    if (window.left() - kGap - dialog.width() >= screen.left())
        return {window.left() - kGap - dialog.width(), alignedY};
    return {centredX, clampedInto(screenBottom - dialog.height(), dialog.height(), screen.top(), screenBottom)};
}

} // namespace tabulet::ui
