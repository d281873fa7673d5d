#pragma once

#include "commands/modifiers.h"
#include "settings/colour.h"
#include "ui/dialogs/options/optionspage.h"

class QLineEdit;
class QPushButton;

namespace tabulet::commands {
class KeyNames;
}
namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class FontChooser;
struct OptionsServices;

// The notepad page: the notes' background colour ("bgcolor"), the default note font
// ("defaultfont" and its size, bold and italics) and the hotkey that shows and hides the window
// ("activatekey", "activatemod").
class NotepadPage final : public OptionsPage
{
    Q_OBJECT
public:
    // Everything given must outlive the page; work.commands is what the hotkey's in-use warning
    // looks in.
    NotepadPage(const OptionsWork &work, lang::TextTable &texts, const commands::KeyNames &keyNames,
                OptionsServices &services, QWidget *parent = nullptr);

    void write(OptionsWork &work) const override;

private:
    void pickColour();
    void changeHotkey();
    void showColour();
    void showHotkey();

    const OptionsWork &m_work;
    const commands::KeyNames &m_keyNames;
    OptionsServices &m_services;
    settings::Colour m_colour;
    int m_key;
    commands::Modifiers m_modifiers;
    QPushButton *m_colourButton;
    FontChooser *m_font;
    QLineEdit *m_hotkey;
    // What the shortcut dialog says the hotkey is for.
    QString m_activateCaption;
};

} // namespace tabulet::ui
