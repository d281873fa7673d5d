#include "ui/window/keyboardfilter.h"

#include "commands/commandtable.h"
#include "commands/modifiers.h"
#include "commands/virtualkeys.h"
#include "settings/settings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tabulet::ui {

namespace {

int virtualKeyOf(const QKeyEvent &event)
{
    return commands::virtualKeyOfKeyPress(event.key(), event.modifiers().testFlag(Qt::KeypadModifier),
                                          event.nativeScanCode());
}

} // namespace

KeyboardFilter::KeyboardFilter(settings::Settings &settings, commands::CommandTable &commands, QObject *parent)
    : QObject(parent), m_settings(settings), m_commands(commands)
{
}

void KeyboardFilter::setNoteWindow(QWidget *window, std::function<void()> saveAll)
{
    m_window = window;
    m_saveAll = window ? std::move(saveAll) : std::function<void()>();
}

bool KeyboardFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        // A widget's shortcut would otherwise take the key before it is pressed.
        if (noteWindowHasFocus() && isBound(static_cast<const QKeyEvent &>(*event))) {
            event->accept();
            return true;
        }
        return false;
    }
    // Each key reaches its native window once, before any widget and whatever widget has the
    // focus; the widgets and their parents see it after that.
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType())
        return false;
    if (m_saveAll && m_window && m_settings.flag(QStringLiteral("savealways")))
        m_saveAll();
    if (type == QEvent::KeyRelease)
        return false;
    return keyPressed(static_cast<const QKeyEvent &>(*event));
}

bool KeyboardFilter::keyPressed(const QKeyEvent &event)
{
    const commands::Modifiers modifiers = commands::modifiersOfQt(event.modifiers());
    const int virtualKey = virtualKeyOf(event);
    m_lastKey.character = 0;
    m_lastKey.modifierBits = commands::lastKeyModifierBits(modifiers);
    m_lastKey.virtualKey = virtualKey;
    if (!noteWindowHasFocus())
        return false;
    if (m_commands.dispatchKey(modifiers, virtualKey))
        return true;
    // What the editor is about to receive as a typed character.
    if (QApplication::focusWidget() != m_window && !event.text().isEmpty())
        m_lastKey.character = event.text().at(0).unicode();
    return false;
}

bool KeyboardFilter::noteWindowHasFocus() const
{
    if (!m_window || QApplication::activePopupWidget())
        return false;
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->window() == m_window : QApplication::activeWindow() == m_window;
}

bool KeyboardFilter::isBound(const QKeyEvent &event) const
{
    const commands::Modifiers modifiers = commands::modifiersOfQt(event.modifiers());
    const int virtualKey = virtualKeyOf(event);
    if (m_commands.indexOfShortcut(virtualKey, modifiers) >= 0)
        return true;
    const commands::Shortcut shortcut{virtualKey, modifiers};
    for (const commands::PluginBinding &binding : m_commands.pluginBindings()) {
        if (binding.shortcut.key != 0 && binding.shortcut == shortcut)
            return true;
    }
    return false;
}

} // namespace tabulet::ui
