#pragma once

#include <QPointF>
#include <QRect>

#include <optional>

class QWidget;

namespace tabulet::ui {

// Where a point of the frameless note window lies: a corner or edge sizes the window, the
// caption (the theme's "dragbar") moves it, the rest is the window's content.
enum class FrameArea { Client, Caption, Left, Top, Right, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// The area at a point in client coordinates. The edges are three pixels wide, the corners reach
// seven pixels along each side. dragBar is the theme's "dragbar" in client coordinates, if any.
FrameArea frameAreaAt(QPoint point, QSize clientSize, const std::optional<QRect> &dragBar);

// The window edges that an area sizes; none for the client and the caption.
Qt::Edges edgesOf(FrameArea area);

Qt::CursorShape cursorOf(FrameArea area);

// Moves and sizes the window from its frame: through the window manager where it offers that,
// else by following the pointer until the button is released.
class FrameDragger final
{
public:
    explicit FrameDragger(QWidget &window) : m_window(window) {}

    // A left-button press in the area, at a global position. True when the press moves or sizes
    // the window.
    bool press(FrameArea area, QPointF globalPosition);
    // Follows the pointer while moving or sizing by hand; true while doing so.
    bool follow(QPointF globalPosition);
    // Ends moving or sizing by hand; true when it was going on.
    bool release();
    bool isTracking() const { return m_area != FrameArea::Client; }

    // The geometry a by-hand drag gives: the pressed geometry moved (caption) or its edges moved
    // by the pointer's travel, never below the minimum size.
    static QRect draggedGeometry(FrameArea area, const QRect &pressed, QPoint travel, QSize minimum);

private:
    QWidget &m_window;
    FrameArea m_area = FrameArea::Client;
    QPointF m_pressPosition;
    QRect m_pressGeometry;
};

} // namespace tabulet::ui
