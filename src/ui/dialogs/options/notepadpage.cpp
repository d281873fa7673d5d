#include "ui/dialogs/options/notepadpage.h"

#include "commands/shortcuttext.h"
#include "lang/texttable.h"
#include "settings/textnumber.h"
#include "ui/dialogs/options/fontchooser.h"
#include "ui/dialogs/options/optionsservices.h"
#include "ui/dialogs/options/optionswork.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

constexpr QSize kSwatch(40, 14);

QColor toQColor(settings::Colour colour)
{
    return QColor(settings::redOf(colour), settings::greenOf(colour), settings::blueOf(colour));
}

} // namespace

NotepadPage::NotepadPage(const OptionsWork &work, lang::TextTable &texts, const commands::KeyNames &keyNames,
                         OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_work(work), m_keyNames(keyNames), m_services(services),
      m_colour(settings::parseColourValue(work.settings.value(QStringLiteral("bgcolor")))),
      m_key(settings::leadingNumber(work.settings.value(QStringLiteral("activatekey")))),
      m_modifiers(commands::modifiersOfActivationLetters(work.settings.value(QStringLiteral("activatemod")))),
      m_colourButton(new QPushButton(this)),
      m_font(new FontChooser(fontOption(work.settings, QStringLiteral("defaultfont")),
                             texts.text(QStringLiteral("IDC_BUTTON_SELECT")), texts.text(QStringLiteral("FONT_SAMPLE")),
                             services.pickers, this)),
      m_hotkey(new QLineEdit(this))
{
    m_colourButton->setObjectName(QStringLiteral("backgroundColour"));
    m_hotkey->setObjectName(QStringLiteral("hotkey"));
    m_hotkey->setReadOnly(true);
    auto *change = new QPushButton(texts.text(QStringLiteral("IDC_BUTTON_CHANGE")), this);
    change->setObjectName(QStringLiteral("changeHotkey"));
    connect(m_colourButton, &QPushButton::clicked, this, &NotepadPage::pickColour);
    connect(change, &QPushButton::clicked, this, &NotepadPage::changeHotkey);

    auto *appearance = new QGroupBox(texts.text(QStringLiteral("IDC_STATIC_APPEARANCE")), this);
    auto *appearanceRows = new QFormLayout(appearance);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(m_colourButton);
    colourRow->addStretch();
    appearanceRows->addRow(texts.text(QStringLiteral("IDC_STATIC_BACKGROUNDCOLOR")), colourRow);
    appearanceRows->addRow(texts.text(QStringLiteral("IDC_STATIC_FONT")), m_font);

    auto *keyboard = new QGroupBox(texts.text(QStringLiteral("IDC_STATIC_KEYBOARD")), this);
    auto *keyboardRows = new QFormLayout(keyboard);
    auto *hotkeyRow = new QHBoxLayout;
    hotkeyRow->addWidget(m_hotkey, 1);
    hotkeyRow->addWidget(change);
    const QString activateLabel = texts.text(QStringLiteral("IDC_STATIC_ACTIVATE"));
    keyboardRows->addRow(activateLabel, hotkeyRow);
    // The row's label names the hotkey field for screen readers.
    if (auto *label = qobject_cast<QLabel *>(keyboardRows->labelForField(hotkeyRow)))
        label->setBuddy(m_hotkey);
    m_activateCaption = activateLabel.endsWith(u':') ? activateLabel.chopped(1) : activateLabel;

    auto *page = new QVBoxLayout(this);
    page->addWidget(appearance);
    page->addWidget(keyboard);
    page->addStretch();
    showColour();
    showHotkey();
}

void NotepadPage::write(OptionsWork &work) const
{
    work.settings.value(QStringLiteral("bgcolor")) = settings::formatColourValue(m_colour);
    writeFontOption(work.settings, QStringLiteral("defaultfont"), m_font->font());
    work.settings.value(QStringLiteral("activatekey")) = QString::number(m_key);
    work.settings.value(QStringLiteral("activatemod")) = commands::activationLetters(m_modifiers);
}

void NotepadPage::pickColour()
{
    if (const std::optional<QColor> chosen = m_services.pickers.colour(toQColor(m_colour), this)) {
        m_colour = settings::colourFromRgb(chosen->red(), chosen->green(), chosen->blue());
        showColour();
    }
}

void NotepadPage::changeHotkey()
{
    const commands::Shortcut current{m_key, m_modifiers};
    if (const std::optional<commands::Shortcut> entered =
            m_services.askShortcut(m_activateCaption, current, m_work.commands, this)) {
        m_key = entered->key;
        m_modifiers = entered->modifiers;
        showHotkey();
    }
}

void NotepadPage::showColour()
{
    QPixmap swatch(kSwatch);
    swatch.fill(toQColor(m_colour));
    m_colourButton->setIcon(swatch);
    m_colourButton->setIconSize(kSwatch);
}

void NotepadPage::showHotkey()
{
    m_hotkey->setText(commands::shortcutText(m_key, m_modifiers, m_keyNames));
}

} // namespace tabulet::ui
