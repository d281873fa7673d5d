#include "ui/dialogs/myhotkeyctrl.h"

#include "commands/shortcuttext.h"
#include "commands/virtualkeys.h"

#include <QKeyEvent>
#include <QPainter>

namespace tabulet::ui {

namespace {

constexpr int kInset = 3;

// The modifier a key press or release of a modifier key itself is about, else None.
commands::Modifier modifierOfKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift:
        return commands::Modifier::Shift;
    case Qt::Key_Control:
        return commands::Modifier::Ctrl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return commands::Modifier::Alt;
    default:
        return commands::Modifier::None;
    }
}

// The modifiers held after this event: the event's own modifier key counts as down on a press
// and up on a release, whatever the platform reports for the key itself.
commands::Modifiers heldModifiers(const QKeyEvent &event)
{
    commands::Modifiers held = commands::modifiersOfQt(event.modifiers());
    const commands::Modifier own = modifierOfKey(event.key());
    if (own != commands::Modifier::None)
        held.setFlag(own, event.type() == QEvent::KeyPress);
    return held;
}

} // namespace

MyHotKeyCtrl::MyHotKeyCtrl(const commands::KeyNames &keyNames, QWidget *parent)
    : QWidget(parent), m_keyNames(keyNames)
{
    setObjectName(QStringLiteral("MyHotKeyCtrl"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPointSize(9);
    setFont(font);
}

void MyHotKeyCtrl::setHotKey(int key, commands::Modifiers modifiers)
{
    m_key = key;
    m_modifiers = modifiers;
    update();
}

QString MyHotKeyCtrl::text() const
{
    if (m_key == 0 && !m_modifiers)
        return QStringLiteral("None");
    return m_key == 0 ? commands::modifiersText(m_modifiers, m_keyNames)
                      : commands::shortcutText(m_key, m_modifiers, m_keyNames);
}

QSize MyHotKeyCtrl::sizeHint() const
{
    // Room for a long shortcut in the names of the keyboard's layout.
    const QString longest = commands::shortcutText(
        commands::vk::PageDown, commands::Modifier::Ctrl | commands::Modifier::Alt | commands::Modifier::Shift,
        m_keyNames);
    return {fontMetrics().horizontalAdvance(longest) + 2 * kInset + 4, fontMetrics().height() + 2 * kInset + 4};
}

commands::Modifiers MyHotKeyCtrl::countedModifiers(commands::Modifiers held) const
{
    struct Forbidding
    {
        commands::Modifier modifier;
        int rules;
    };
    static constexpr Forbidding kForbidding[] = {
        {commands::Modifier::Ctrl, ForbidCtrl | ForbidShiftCtrl | ForbidCtrlAlt | ForbidAll},
        {commands::Modifier::Shift, ForbidShift | ForbidShiftCtrl | ForbidShiftAlt | ForbidAll},
        {commands::Modifier::Alt, ForbidAlt | ForbidShiftAlt | ForbidCtrlAlt | ForbidAll},
    };
    commands::Modifiers counted;
    for (const Forbidding &row : kForbidding) {
        if (held.testFlag(row.modifier) && (m_rules & row.rules) == 0)
            counted |= row.modifier;
    }
    return counted;
}

// Escape alone cancels the dialog and Tab alone moves on; with Ctrl or Alt they are shortcuts.
static bool leavesTheField(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab ||
           (event.key() == Qt::Key_Escape && !(event.modifiers() & Qt::ShiftModifier));
}

// Every other key is the control's: the dialog's Return too.
bool MyHotKeyCtrl::event(QEvent *event)
{
    const bool isKey = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (!isKey)
        return QWidget::event(event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (leavesTheField(*key)) {
        if (key->key() != Qt::Key_Escape)
            return QWidget::event(event);
        event->ignore();
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    keyPressEvent(static_cast<QKeyEvent *>(event));
    return true;
}

void MyHotKeyCtrl::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (event->isAutoRepeat())
        return;
    m_modifiers = countedModifiers(heldModifiers(*event));
    if (modifierOfKey(event->key()) != commands::Modifier::None) {
        m_key = 0;
    } else {
        m_key = commands::virtualKeyOfKeyPress(event->key(), event->modifiers().testFlag(Qt::KeypadModifier),
                                               event->nativeScanCode());
        emit changed();
        if (!m_modifiers && !m_allowPlainDelete && m_key == commands::vk::Delete) {
            m_key = 0;
            m_modifiers = {};
        }
    }
    update();
}

void MyHotKeyCtrl::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
    if (event->isAutoRepeat() || m_key != 0 || modifierOfKey(event->key()) == commands::Modifier::None)
        return;
    m_modifiers = countedModifiers(heldModifiers(*event));
    emit changed();
    update();
}

void MyHotKeyCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool focused = hasFocus();
    // A thin border around the field, the field itself without an outline.
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), palette().color(focused ? QPalette::Highlight : QPalette::Window));
    painter.setPen(palette().color(focused ? QPalette::HighlightedText : QPalette::ButtonText));
    const QRect inner = rect().adjusted(kInset, kInset, -kInset, -kInset);
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(text(), Qt::ElideRight, inner.width()));
}

void MyHotKeyCtrl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void MyHotKeyCtrl::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace tabulet::ui
