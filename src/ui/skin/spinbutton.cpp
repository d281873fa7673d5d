#include "ui/skin/spinbutton.h"

#include "ui/skin/skin.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tabulet::ui {

namespace {

// A conventional disabled rendering: the picture in grey, faded halfway into what lies behind
// it, so that its shape stays recognisable at a lower contrast.
QImage greyed(const QImage &image, const QImage &backdrop)
{
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    const QImage behind = backdrop.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        const auto *under = reinterpret_cast<const QRgb *>(behind.constScanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgb((grey + qRed(under[x])) / 2, (grey + qGreen(under[x])) / 2, (grey + qBlue(under[x])) / 2);
        }
    }
    return result;
}

void drawPlainArrow(QPainter &painter, const QRect &area, bool pointsLeft, const QColor &colour)
{
    const int size = std::max(2, std::min(area.width(), area.height()) / 3);
    const QPointF centre = QRectF(area).center();
    const qreal tip = pointsLeft ? -size / 2.0 : size / 2.0;
    QPainterPath arrow;
    arrow.moveTo(centre.x() + tip, centre.y());
    arrow.lineTo(centre.x() - tip, centre.y() - size);
    arrow.lineTo(centre.x() - tip, centre.y() + size);
    arrow.closeSubpath();
    painter.fillPath(arrow, colour);
}

} // namespace

SpinButton::SpinButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SpinButton::setSkin(const Skin *skin)
{
    m_skin = skin;
    update();
}

void SpinButton::setInsetForStrip(bool inset)
{
    m_insetForStrip = inset;
    update();
}

void SpinButton::setRange(int first, int last)
{
    m_first = first;
    m_last = last;
    const int position = std::clamp(m_position, std::min(first, last), std::max(first, last));
    if (position != m_position) {
        m_position = position;
        emit positionChanged(position);
    }
    update();
}

void SpinButton::setPosition(int position)
{
    position = std::clamp(position, std::min(m_first, m_last), std::max(m_first, m_last));
    if (position == m_position)
        return;
    m_position = position;
    update();
    emit positionChanged(position);
}

SpinButton::Half SpinButton::greyedHalf() const
{
    if (m_first == m_last)
        return Half::None;
    if (m_position == m_first)
        return Half::Left;
    if (m_position == m_last)
        return Half::Right;
    return Half::None;
}

QRect SpinButton::pictureRect() const
{
    // The side facing the tabs is the left one.
    return m_insetForStrip ? rect().adjusted(2, 2, 0, -2) : rect();
}

SpinButton::Half SpinButton::halfAt(const QPoint &position) const
{
    const QRect area = pictureRect();
    if (!area.contains(position))
        return Half::None;
    return position.x() < area.left() + area.width() / 2 ? Half::Left : Half::Right;
}

void SpinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect here(m_skin ? mapTo(&m_skin->window(), QPoint(0, 0)) : QPoint(), size());
    if (m_skin)
        m_skin->paint(painter, here);
    else
        painter.fillRect(rect(), palette().button());

    const QRect area = pictureRect();
    const int leftWidth = area.width() / 2;
    const QRect halves[2] = {QRect(area.left(), area.top(), leftWidth, area.height()),
                             QRect(area.left() + leftWidth, area.top(), area.width() - leftWidth, area.height())};
    const Half greyedOne = greyedHalf();
    for (const Half half : {Half::Left, Half::Right}) {
        const QRect &target = halves[half == Half::Left ? 0 : 1];
        if (target.isEmpty())
            continue;
        // Each half is drawn on its own surface first, in the screen's pixels: a greyed half fades
        // into the skin behind it.
        const qreal ratio = devicePixelRatioF();
        QImage backdrop((QSizeF(target.size()) * ratio).toSize(), QImage::Format_RGB32);
        backdrop.setDevicePixelRatio(ratio);
        backdrop.fill(palette().button().color());
        const QRect surfaceRect(QPoint(0, 0), target.size());
        if (m_skin) {
            QPainter backdropPainter(&backdrop);
            m_skin->paint(backdropPainter, target.translated(here.topLeft()));
        }
        QImage surface = backdrop;
        QPainter halfPainter(&surface);
        const QString name = QStringLiteral("spin_%1_%2")
                                 .arg(half == Half::Left ? QStringLiteral("left") : QStringLiteral("right"),
                                      half == m_hovered ? QStringLiteral("mouseover") : QStringLiteral("normal"));
        if (m_skin && m_skin->hasCombined(name))
            m_skin->drawCombined(halfPainter, name, surfaceRect);
        else
            drawPlainArrow(halfPainter, surfaceRect, half == Half::Left, palette().buttonText().color());
        halfPainter.end();
        painter.drawImage(target.topLeft(), half == greyedOne ? greyed(surface, backdrop) : surface);
    }
}

void SpinButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Half half = halfAt(event->position().toPoint());
    if (half == Half::None)
        return;
    const int toward = half == Half::Left ? m_first : m_last;
    setPosition(m_position + (toward > m_position ? 1 : (toward < m_position ? -1 : 0)));
}

void SpinButton::mouseReleaseEvent(QMouseEvent *)
{
    repaint();
}

void SpinButton::mouseMoveEvent(QMouseEvent *event)
{
    const Half half = halfAt(event->position().toPoint());
    if (half != m_hovered) {
        m_hovered = half;
        repaint();
    }
}

void SpinButton::leaveEvent(QEvent *)
{
    if (m_hovered != Half::None) {
        m_hovered = Half::None;
        repaint();
    }
}

} // namespace tabulet::ui
