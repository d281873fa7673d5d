#include "ui/dialogs/tabpropertiesdialog.h"

#include "lang/filefacttexts.h"
#include "lang/formattext.h"
#include "lang/texttable.h"
#include "settings/notefiles.h"
#include "ui/dialogs/listmanagerdialog.h"
#include "ui/dialogs/presetpropertiesdialog.h"
#include "ui/dialogs/valuelabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHash>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace tabulet::ui {
namespace {

// Long preset names must not widen the dialog past the screen.
constexpr int kPresetListWidthInCharacters = 24;
// Each preset's name follows a picture of its colours.
constexpr QSize kSwatchSize(32, 16);

QStringList presetNames(const settings::PresetList &presets)
{
    QStringList names;
    for (const settings::Preset &preset : presets)
        names << preset.name;
    return names;
}

// The built-in presets keep their English names in the configuration and show in the language.
QString shownPresetName(lang::TextTable &texts, const QString &name)
{
    static constexpr std::pair<const char *, const char *> kBuiltIn[] = {
        {"Standard", "PRESET_STANDARD"},
        {"Dark grey", "PRESET_DARKGREY"},
        {"White on black", "PRESET_WHITEONBLACK"},
        {"Text editor", "PRESET_TEXTEDITOR"},
        {"Dawn", "PRESET_DAWN"},
        {"Navy", "PRESET_NAVY"},
    };
    for (const auto &[stored, key] : kBuiltIn) {
        if (name == QLatin1String(stored)) {
            const QString shown = texts.text(QLatin1String(key));
            return shown.isEmpty() ? name : shown;
        }
    }
    return name;
}

// The presets named in `names`, in that order: what the list manager left of the working copy.
settings::PresetList keptPresets(const settings::PresetList &working, const QStringList &names)
{
    settings::PresetList kept;
    while (!kept.isEmpty())
        kept.removePreset(kept[0].name);
    std::vector<bool> used(static_cast<std::size_t>(working.size()), false);
    for (const QString &name : names) {
        for (int i = 0; i < working.size(); ++i) {
            if (!used[std::size_t(i)] && working[i].name == name) {
                used[std::size_t(i)] = true;
                kept.addPreset(working[i]);
                break;
            }
        }
    }
    return kept;
}

} // namespace

QList<TabPropertiesDialog::FileFact> TabPropertiesDialog::fileFacts(lang::TextTable &texts, const QString &path,
                                                                    const QString &fileName)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isReadable())
        return {};
    const auto fact = [&](const char *key, const QString &value) {
        return FileFact{texts.text(QLatin1String(key)) + QLatin1Char(':'), value};
    };
    return {fact("PROP_FILENAME", fileName), fact("PROP_FILESIZE", lang::sizeText(file.size(), texts.text(QStringLiteral("PROP_BYTES")))),
            fact("PROP_CREATED",
                 lang::dateTimeText(file.birthTime().isValid() ? file.birthTime() : file.metadataChangeTime())),
            fact("PROP_MODIFIED", lang::dateTimeText(file.lastModified()))};
}

TabPropertiesDialog::TabPropertiesDialog(lang::TextTable &texts, const settings::Note &note,
                                         const settings::PresetList &presets, const QString &dataFolder,
                                         QWidget *parent)
    : QDialog(parent), m_texts(texts), m_note(note), m_presets(presets)
{
    setObjectName(QStringLiteral("tabPropertiesDialog"));
    setWindowTitle(lang::formatText(texts.text(QStringLiteral("ID_NOTE_PROPERTIES")), {note.title}));

    // The file's facts, names and values each in a column of their own.
    auto *facts = new QWidget(this);
    facts->setObjectName(QStringLiteral("fileFacts"));
    auto *factRows = new QFormLayout(facts);
    factRows->setContentsMargins({});
    for (const FileFact &fact : fileFacts(texts, settings::noteFilePath(dataFolder, note.fileName), note.fileName))
        factRows->addRow(fact.name, new ValueLabel(fact.value, facts));
    facts->setVisible(factRows->rowCount() > 0);

    m_usePreset = new QCheckBox(texts.text(QStringLiteral("IDC_NOTE_USE_PRESET")), this);
    m_usePreset->setObjectName(QStringLiteral("usePreset"));
    m_usePreset->setChecked(note.usePreset);
    m_preset = new QComboBox(this);
    m_preset->setObjectName(QStringLiteral("preset"));
    m_preset->setIconSize(kSwatchSize);
    m_preset->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_preset->setMinimumContentsLength(kPresetListWidthInCharacters);
    auto *manage = new QPushButton(texts.text(QStringLiteral("ID_MANAGE_PRESETS")), this);
    manage->setObjectName(QStringLiteral("managePresets"));
    connect(m_usePreset, &QCheckBox::toggled, m_preset, &QComboBox::setEnabled);
    connect(manage, &QPushButton::clicked, this, &TabPropertiesDialog::managePresets);
    m_preset->setEnabled(note.usePreset);
    fillPresets();

    NoteStyleChoice style;
    style.hasTitleColour = note.hasTitleColour;
    style.titleColour = note.titleColour;
    style.hasTextColour = note.hasTextColour;
    style.textColour = note.textColour;
    style.hasBackground = note.hasBackground;
    style.background = note.background;
    style.hasFont = note.hasFont;
    style.font = note.font;
    m_style = new NoteStyleControls(texts, style, this);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(texts.text(QStringLiteral("IDOK")), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(texts.text(QStringLiteral("IDCANCEL")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *presetRow = new QHBoxLayout;
    presetRow->addWidget(m_preset, 1);
    presetRow->addWidget(manage);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(facts);
    layout->addWidget(m_usePreset);
    layout->addLayout(presetRow);
    layout->addWidget(m_style);
    layout->addWidget(buttons);
}

void TabPropertiesDialog::fillPresets()
{
    const QString chosen = m_preset->count() > 0 ? m_preset->currentData().toString() : m_note.preset;
    m_preset->clear();
    const QColor plain = palette().color(QPalette::Base);
    const QColor ink = palette().color(QPalette::Text);
    for (const settings::Preset &preset : m_presets)
        m_preset->addItem(QIcon(presetSwatch(preset, kSwatchSize, plain, ink)), shownPresetName(m_texts, preset.name), preset.name);
    const int index = m_presets.indexOfPreset(chosen);
    m_preset->setCurrentIndex(index < 0 ? 0 : index);
}

void TabPropertiesDialog::setPickers(StylePickers pickers)
{
    m_pickers = pickers;
    m_style->setPickers(std::move(pickers));
}

void TabPropertiesDialog::managePresets()
{
    settings::PresetList working = m_presets;
    QStringList shownNames;
    QHash<QString, QString> storedNames;
    for (const QString &name : presetNames(working)) {
        shownNames << shownPresetName(m_texts, name);
        storedNames.insert(shownNames.last(), name);
    }
    ListManagerDialog manager(m_texts, m_texts.text(QStringLiteral("PRESETS_MANAGE")), shownNames, QString(), this);
    manager.setAskForEntry([&](const QString &) -> std::optional<QString> {
        PresetPropertiesDialog editor(m_texts, presetNames(working), &manager);
        editor.setPickers(m_pickers);
        if (m_runDialog(editor) != QDialog::Accepted)
            return std::nullopt;
        working.addPreset(editor.preset());
        return editor.preset().name;
    });
    if (m_runDialog(manager) != QDialog::Accepted)
        return;
    QStringList kept;
    for (const QString &shown : manager.entries())
        kept << storedNames.value(shown, shown);
    m_presets = keptPresets(working, kept);
    m_presetsChanged = true;
    fillPresets();
}

void TabPropertiesDialog::accept()
{
    const NoteStyleChoice style = m_style->choice();
    m_note.hasTitleColour = style.hasTitleColour;
    m_note.titleColour = style.titleColour;
    m_note.hasTextColour = style.hasTextColour;
    m_note.textColour = style.textColour;
    m_note.hasBackground = style.hasBackground;
    m_note.background = style.background;
    m_note.hasFont = style.hasFont;
    m_note.font = style.font;
    m_note.usePreset = m_usePreset->isChecked();
    m_note.preset = m_preset->currentData().toString();
    QDialog::accept();
}

} // namespace tabulet::ui
