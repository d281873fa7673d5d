#include "ui/dialogs/presetpropertiesdialog.h"

#include "lang/texttable.h"
#include "ui/dialogs/notestylecontrols.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

PresetPropertiesDialog::PresetPropertiesDialog(lang::TextTable &texts, QStringList takenNames, QWidget *parent)
    : QDialog(parent), m_texts(texts), m_takenNames(std::move(takenNames))
{
    setObjectName(QStringLiteral("presetPropertiesDialog"));
    setWindowTitle(texts.text(QStringLiteral("PRESET_NEW")));
    m_tellNameUsed = [this](const QString &caption, const QString &text) {
        QMessageBox::critical(this, caption, text);
    };
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_style = new NoteStyleControls(texts, NoteStyleChoice(), this);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(texts.text(QStringLiteral("IDOK")), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(texts.text(QStringLiteral("IDCANCEL")), QDialogButtonBox::RejectRole);
    // A name of blanks could be neither listed nor chosen.
    ok->setEnabled(false);
    connect(m_name, &QLineEdit::textChanged, ok,
            [ok](const QString &text) { ok->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *name = new QFormLayout;
    name->addRow(texts.text(QStringLiteral("PRESET_NAME")), m_name);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(m_style);
    layout->addWidget(buttons);
}

settings::Preset PresetPropertiesDialog::preset() const
{
    const NoteStyleChoice style = m_style->choice();
    settings::Preset preset;
    preset.name = m_name->text().trimmed();
    preset.hasFont = style.hasFont;
    preset.font = style.font;
    preset.hasBackground = style.hasBackground;
    preset.background = style.background;
    preset.hasTabColour = style.hasTitleColour;
    preset.tabColour = style.titleColour;
    preset.hasTextColour = style.hasTextColour;
    preset.textColour = style.textColour;
    return preset;
}

void PresetPropertiesDialog::setPickers(StylePickers pickers)
{
    m_style->setPickers(std::move(pickers));
}

void PresetPropertiesDialog::setTellNameUsed(std::function<void(const QString &, const QString &)> tell)
{
    m_tellNameUsed = std::move(tell);
}

void PresetPropertiesDialog::accept()
{
    if (m_takenNames.contains(m_name->text().trimmed(), Qt::CaseSensitive)) {
        m_tellNameUsed(m_texts.text(QStringLiteral("DIALOG_ERROR")), m_texts.text(QStringLiteral("PRESETNAME_USED")));
        return;
    }
    QDialog::accept();
}

} // namespace tabulet::ui
