#include "ui/window/mainwindowplacement.h"

#include "settings/settings.h"

#include <algorithm>
#include <limits>

namespace tabulet::ui {

namespace {

// How much of the window must show on a screen for a person to reach and drag it.
constexpr int kReachableWidth = 40;
constexpr int kReachableHeight = 16;

int optionNumber(const settings::Settings &settings, const char *key)
{
    return settings.value(QString::fromLatin1(key)).trimmed().toInt();
}

qint64 squaredDistance(QPoint a, QPoint b)
{
    const qint64 dx = a.x() - b.x();
    const qint64 dy = a.y() - b.y();
    return dx * dx + dy * dy;
}

QPoint nearestPointOf(const QRect &area, QPoint point)
{
    return {std::clamp(point.x(), area.left(), area.right()), std::clamp(point.y(), area.top(), area.bottom())};
}

} // namespace

std::optional<QRect> savedPlacement(const settings::Settings &settings)
{
    const int x = optionNumber(settings, "x");
    const int y = optionNumber(settings, "y");
    const int w = optionNumber(settings, "w");
    const int h = optionNumber(settings, "h");
    if ((w != 0 && h != 0) || x != 0 || y != 0)
        return QRect(x, y, w, h);
    return std::nullopt;
}

QRect centredOn(QSize size, const QRect &screen)
{
    const QSize fitting = size.boundedTo(screen.size());
    const QPoint topLeft(screen.left() + (screen.width() - fitting.width()) / 2,
                         screen.top() + (screen.height() - fitting.height()) / 2);
    return QRect(topLeft, fitting);
}

QRect keepOnScreen(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return window;
    const int needWidth = std::min(kReachableWidth, std::max(1, window.width()));
    const int needHeight = std::min(kReachableHeight, std::max(1, window.height()));
    for (const QRect &screen : screens) {
        const QRect shown = screen.intersected(window);
        if (shown.width() >= needWidth && shown.height() >= needHeight)
            return window;
    }
    const QPoint centre = window.center();
    const QRect *nearest = &screens.front();
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        const qint64 distance = squaredDistance(centre, nearestPointOf(screen, centre));
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &screen;
        }
    }
    const QRect &target = *nearest;
    const int width = std::min(window.width(), target.width());
    const int height = std::min(window.height(), target.height());
    const int x = std::clamp(window.x(), target.left(), target.left() + target.width() - width);
    const int y = std::clamp(window.y(), target.top(), target.top() + target.height() - height);
    return QRect(x, y, width, height);
}

} // namespace tabulet::ui
