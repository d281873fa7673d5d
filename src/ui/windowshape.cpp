#include "ui/windowshape.h"

#include "ui/skin.h"

#include <QBitmap>
#include <QEvent>
#include <QImage>
#include <QTimer>
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
    m_window.installEventFilter(this);
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

bool WindowShape::eventFilter(QObject *watched, QEvent *event)
{
    // The window lays its skin out for the new size in its own resize handling, which runs after
    // this filter: the shape is taken once that is done.
    if (watched == &m_window && event->type() == QEvent::Resize && m_shaped)
        QTimer::singleShot(0, this, &WindowShape::updateMask);
    return QObject::eventFilter(watched, event);
}

void WindowShape::updateMask()
{
    if (!m_shaped)
        return;
    QImage skin = m_skin.render();
    if (skin.size() != m_window.size()) {
        // The skin was laid out for another size: nothing sensible to cut yet.
        m_window.clearMask();
        return;
    }
    m_window.setMask(keyedShape(skin, m_skin.chromaKey()));
}

} // namespace tabulet::ui
