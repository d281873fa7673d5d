#pragma once

#include "plugins/filebuffers.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

namespace tabulet::commands {
class CommandTable;
}
namespace tabulet::settings {
class Settings;
}

namespace tabulet::ui {

// The last key pressed anywhere in the program, as plug-ins read it.
using LastKey = plugins::LastKey;

// Sees every key of the program before the widget it is meant for: saves on every key event
// when "savealways" is "1", records the last key, and runs the command bound to a key press
// while the note window has the focus (the key then goes no further).
class KeyboardFilter final : public QObject
{
    Q_OBJECT
public:
    KeyboardFilter(settings::Settings &settings, commands::CommandTable &commands, QObject *parent = nullptr);

    // The note window whose keys run commands, and what saves the open note and the
    // configuration. A null window ends it.
    void setNoteWindow(QWidget *window, std::function<void()> saveAll);

    const LastKey &lastKey() const { return m_lastKey; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool noteWindowHasFocus() const;
    bool isBound(const QKeyEvent &event) const;
    bool keyPressed(const QKeyEvent &event);

    settings::Settings &m_settings;
    commands::CommandTable &m_commands;
    QPointer<QWidget> m_window;
    std::function<void()> m_saveAll;
    LastKey m_lastKey;
};

} // namespace tabulet::ui
