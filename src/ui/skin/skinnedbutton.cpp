#include "ui/skin/skinnedbutton.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

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
    m_toggle = true;
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
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

void SkinnedButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNeighbour(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNeighbour(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        break;
    default:
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SkinnedButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    update();
}

void SkinnedButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    update();
}

void SkinnedButton::focusNeighbour(int step)
{
    const std::vector<SkinnedButton *> buttons = reachableButtons(m_window);
    const auto found = std::find(buttons.begin(), buttons.end(), this);
    if (found == buttons.end())
        return;
    const auto count = static_cast<std::ptrdiff_t>(buttons.size());
    const std::ptrdiff_t next = ((found - buttons.begin()) + step + count) % count;
    buttons[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
}

std::vector<SkinnedButton *> reachableButtons(const QWidget &window)
{
    std::vector<SkinnedButton *> buttons;
    for (SkinnedButton *button : window.findChildren<SkinnedButton *>(Qt::FindDirectChildrenOnly)) {
        if (button->isVisible() && button->isEnabled() && !button->size().isEmpty())
            buttons.push_back(button);
    }
    std::sort(buttons.begin(), buttons.end(), [](const SkinnedButton *a, const SkinnedButton *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return buttons;
}

} // namespace tabulet::ui
