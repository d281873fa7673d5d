#include "ui/window/mainwindowframe.h"

#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tabulet::ui {

FrameArea frameAreaAt(QPoint point, QSize clientSize, const std::optional<QRect> &dragBar)
{
    const int x = point.x();
    const int y = point.y();
    const int right = clientSize.width();
    const int bottom = clientSize.height();
    if ((x <= 2 && y < 7) || (x <= 6 && y <= 2))
        return FrameArea::TopLeft;
    if ((x >= right - 2 && y >= bottom - 6) || (x >= right - 6 && y >= bottom - 2))
        return FrameArea::BottomRight;
    if ((x >= right - 2 && y < 7) || (x >= right - 6 && y <= 2))
        return FrameArea::TopRight;
    if ((x <= 2 && y >= bottom - 6) || (x <= 6 && y >= bottom - 2))
        return FrameArea::BottomLeft;
    if (y <= 2)
        return FrameArea::Top;
    if (x <= 2)
        return FrameArea::Left;
    if (y >= bottom - 2)
        return FrameArea::Bottom;
    if (x >= right - 2)
        return FrameArea::Right;
    if (dragBar && dragBar->contains(point))
        return FrameArea::Caption;
    return FrameArea::Client;
}

Qt::Edges edgesOf(FrameArea area)
{
    switch (area) {
    case FrameArea::Left:
        return Qt::LeftEdge;
    case FrameArea::Top:
        return Qt::TopEdge;
    case FrameArea::Right:
        return Qt::RightEdge;
    case FrameArea::Bottom:
        return Qt::BottomEdge;
    case FrameArea::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameArea::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameArea::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameArea::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case FrameArea::Client:
    case FrameArea::Caption:
        break;
    }
    return {};
}

Qt::CursorShape cursorOf(FrameArea area)
{
    switch (area) {
    case FrameArea::Left:
    case FrameArea::Right:
        return Qt::SizeHorCursor;
    case FrameArea::Top:
    case FrameArea::Bottom:
        return Qt::SizeVerCursor;
    case FrameArea::TopLeft:
    case FrameArea::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameArea::TopRight:
    case FrameArea::BottomLeft:
        return Qt::SizeBDiagCursor;
    case FrameArea::Client:
    case FrameArea::Caption:
        break;
    }
    return Qt::ArrowCursor;
}

bool FrameDragger::press(FrameArea area, QPointF globalPosition)
{
    if (area == FrameArea::Client)
        return false;
    if (QWindow *window = m_window.windowHandle()) {
        const bool started =
            area == FrameArea::Caption ? window->startSystemMove() : window->startSystemResize(edgesOf(area));
        if (started)
            return true;
    }
    // No window manager took it: follow the pointer ourselves.
    m_area = area;
    m_pressPosition = globalPosition;
    m_pressGeometry = m_window.geometry();
    return true;
}

bool FrameDragger::follow(QPointF globalPosition)
{
    if (!isTracking())
        return false;
    const QPoint travel = (globalPosition - m_pressPosition).toPoint();
    const QRect geometry = draggedGeometry(m_area, m_pressGeometry, travel, m_window.minimumSize());
    if (m_area == FrameArea::Caption)
        m_window.move(geometry.topLeft());
    else
        m_window.setGeometry(geometry);
    return true;
}

bool FrameDragger::release()
{
    const bool wasTracking = isTracking();
    m_area = FrameArea::Client;
    return wasTracking;
}

QRect FrameDragger::draggedGeometry(FrameArea area, const QRect &pressed, QPoint travel, QSize minimum)
{
    if (area == FrameArea::Caption)
        return pressed.translated(travel);
    const Qt::Edges edges = edgesOf(area);
    const int minimumWidth = std::max(1, minimum.width());
    const int minimumHeight = std::max(1, minimum.height());
    int left = pressed.left();
    int top = pressed.top();
    int right = pressed.left() + pressed.width();
    int bottom = pressed.top() + pressed.height();
    if (edges.testFlag(Qt::LeftEdge))
        left = std::min(left + travel.x(), right - minimumWidth);
    if (edges.testFlag(Qt::RightEdge))
        right = std::max(right + travel.x(), left + minimumWidth);
    if (edges.testFlag(Qt::TopEdge))
        top = std::min(top + travel.y(), bottom - minimumHeight);
    if (edges.testFlag(Qt::BottomEdge))
        bottom = std::max(bottom + travel.y(), top + minimumHeight);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace tabulet::ui
