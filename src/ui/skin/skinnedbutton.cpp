#include "ui/skin/skinnedbutton.h"

#include <QEvent>
#include <QPainter>

namespace tabulet::ui {

namespace {

std::size_t slot(SkinnedButton::Look look)
{
    return static_cast<std::size_t>(look);
}

} // namespace

SkinnedButton::SkinnedButton(const Skin &skin, QWidget &window, int commandId, const QString &commandName)
    : QAbstractButton(&window), m_skin(skin), m_window(window), m_commandId(commandId), m_commandName(commandName)
{
    setText(QStringLiteral("__"));
    setFocusPolicy(Qt::NoFocus);
    // Everything is painted here: the skin behind, then the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinnedButton::setLookImage(Look look, const SkinImage &image)
{
    m_looks[slot(look)] = image;
    updateGeometry();
    update();
}

bool SkinnedButton::hasLook(Look look) const
{
    return !m_looks[slot(look)].isNull();
}

void SkinnedButton::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

SkinnedButton::Look SkinnedButton::shownLook() const
{
    if (m_selected && m_hovering && hasLook(Look::SelectedMouseover))
        return Look::SelectedMouseover;
    if (m_selected && hasLook(Look::Selected))
        return Look::Selected;
    if (m_hovering && hasLook(Look::Mouseover))
        return Look::Mouseover;
    return Look::Normal;
}

// The normal picture's size; 0 x 0 when it failed to load, so the button can be neither seen
// nor clicked.
QSize SkinnedButton::sizeHint() const
{
    const SkinImage &normal = m_looks[slot(Look::Normal)];
    return normal.isNull() ? QSize(0, 0) : normal.size();
}

void SkinnedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_skin.paint(painter, QRect(mapTo(&m_window, QPoint(0, 0)), size()));
    const SkinImage &picture = m_looks[slot(shownLook())];
    drawSkinImage(painter, picture, 0, 0, picture.size().width(), picture.size().height());
}

void SkinnedButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (!m_hovering) {
        m_hovering = true;
        repaint();
    }
}

void SkinnedButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    if (m_hovering) {
        m_hovering = false;
        repaint();
    }
}

void SkinnedButton::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        repaint();
}

} // namespace tabulet::ui
