#pragma once

#include "platform/globalhotkey.h"

#include <QString>

#include <functional>
#include <memory>

namespace tabulet::settings {
class Settings;
}
namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The hotkey that shows and hides the note window from any program, from the options
// "activatekey" (a virtual-key code; 0 for none) and "activatemod" (letters A, S, C).
class ActivationHotkey final
{
public:
    // tell: shows a message to the user; each different problem is told once.
    ActivationHotkey(std::unique_ptr<platform::GlobalHotkey> hotkey, std::function<void(const QString &)> tell);

    // Registers the combination of the options in place of the earlier one. A combination that
    // cannot be registered is told in words, never silently dropped.
    void registerFrom(settings::Settings &settings, lang::TextTable &texts);

    platform::GlobalHotkey &hotkey() { return *m_hotkey; }

private:
    void tellOnce(const QString &message);

    std::unique_ptr<platform::GlobalHotkey> m_hotkey;
    std::function<void(const QString &)> m_tell;
    QString m_told;
};

} // namespace tabulet::ui
