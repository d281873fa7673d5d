#include "ui/skin/windowshape.h"

#include "ui/skin/skin.h"

#include <QBitmap>
#include <QEvent>
#include <QImage>
#include <QWidget>

namespace tabulet::ui {

QRegion keyedShape(const QImage &skin, const QColor &key)
{
    // Compared as opaque 32-bit pixels: any alpha in the source must not make a key pixel differ.
    const QImage pixels = skin.convertToFormat(QImage::Format_RGB32);
    // MaskInColor marks the key pixels with colour 0, which the region leaves out.
    return QRegion(QBitmap::fromImage(pixels.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
}

WindowShape::WindowShape(QWidget &window, const Skin &skin) : QObject(&window), m_window(window), m_skin(skin)
{
    connect(&skin, &Skin::laidOut, this, &WindowShape::updateMask);
}

void WindowShape::keepWhole(QWidget &child)
{
    m_kept.append(&child);
    child.installEventFilter(this);
    updateMask();
}

bool WindowShape::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide)
        updateMask();
    return QObject::eventFilter(watched, event);
}

void WindowShape::apply()
{
    m_shaped = m_skin.transparencyEnabled();
    if (m_shaped) {
        updateMask();
    } else {
        m_window.clearMask();
        m_window.update();
    }
}

void WindowShape::updateMask()
{
    if (!m_shaped)
        return;
    QRegion shape = keyedShape(m_skin.render(), m_skin.chromaKey());
    for (const QWidget *child : std::as_const(m_kept)) {
        if (!child->isHidden())
            shape += child->geometry();
    }
    m_window.setMask(shape);
}

} // namespace tabulet::ui
