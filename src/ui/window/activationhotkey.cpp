#include "ui/window/activationhotkey.h"

#include "commands/modifiers.h"
#include "commands/shortcuttext.h"
#include "lang/formattext.h"
#include "lang/texttable.h"
#include "platform/qtkeynames.h"
#include "settings/settings.h"

#include <QRegularExpression>

namespace tabulet::ui {

ActivationHotkey::ActivationHotkey(std::unique_ptr<platform::GlobalHotkey> hotkey,
                                   std::function<void(const QString &)> tell)
    : m_hotkey(std::move(hotkey)), m_tell(std::move(tell))
{
}

void ActivationHotkey::registerFrom(settings::Settings &settings, lang::TextTable &texts)
{
    m_hotkey->release();
    const QString keyValue = settings.value(QStringLiteral("activatekey")).trimmed();
    const QString letters = settings.value(QStringLiteral("activatemod"));
    bool isNumber = false;
    const int key = keyValue.toInt(&isNumber);
    // Key 0 is "None" in the shortcut entry: the user wants no hotkey.
    if (isNumber && key == 0)
        return;
    static const QRegularExpression modifierLetters(QStringLiteral("^[ASCasc]*$"));
    if (!isNumber || key < 0 || !modifierLetters.match(letters).hasMatch()) {
        tellOnce(lang::formatText(texts.text(QStringLiteral("HOTKEY_UNREADABLE")), {keyValue, letters}));
        return;
    }
    const commands::Modifiers modifiers = commands::modifiersOfActivationLetters(letters);
    switch (m_hotkey->grab(key, modifiers)) {
    case platform::GlobalHotkey::GrabResult::Grabbed:
        return;
    case platform::GlobalHotkey::GrabResult::Taken:
        tellOnce(lang::formatText(texts.text(QStringLiteral("HOTKEY_TAKEN")),
                                  {commands::shortcutText(key, modifiers, platform::QtKeyNames())}));
        return;
    case platform::GlobalHotkey::GrabResult::UnknownKey:
        tellOnce(lang::formatText(texts.text(QStringLiteral("HOTKEY_UNREADABLE")), {keyValue, letters}));
        return;
    case platform::GlobalHotkey::GrabResult::Unsupported:
        if (platform::hasDesktop())
            tellOnce(texts.text(QStringLiteral("HOTKEY_UNAVAILABLE")));
        return;
    }
}

void ActivationHotkey::tellOnce(const QString &message)
{
    if (message == m_told)
        return;
    m_told = message;
    m_tell(message);
}

} // namespace tabulet::ui
