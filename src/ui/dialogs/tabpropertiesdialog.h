#pragma once

#include "settings/note.h"
#include "settings/presetlist.h"
#include "ui/dialogs/notestylecontrols.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The facts about a note's file and the note's own style: the preset it uses, three colours and
// a font. OK writes the style into note(); the preset manager behind the Manage button replaces
// presets() when its own OK is pressed, whether this dialog ends with OK or Cancel.
class TabPropertiesDialog final : public QDialog
{
    Q_OBJECT
public:
    TabPropertiesDialog(lang::TextTable &texts, const settings::Note &note, const settings::PresetList &presets,
                        const QString &dataFolder, QWidget *parent = nullptr);

    const settings::Note &note() const { return m_note; }
    const settings::PresetList &presets() const { return m_presets; }
    bool presetsChanged() const { return m_presetsChanged; }

    struct FileFact
    {
        QString name; // with its colon
        QString value;
    };
    // The file's name, size, creation and change times; none when the file cannot be read.
    static QList<FileFact> fileFacts(lang::TextTable &texts, const QString &path, const QString &fileName);

    void setPickers(StylePickers pickers);
    // Runs the preset manager and the preset editor and returns their result; exec() unless
    // replaced (tests drive the dialogs there).
    void setRunDialog(std::function<int(QDialog &)> run) { m_runDialog = std::move(run); }

    void managePresets();
    void accept() override;

private:
    void fillPresets();

    lang::TextTable &m_texts;
    settings::Note m_note;
    settings::PresetList m_presets;
    bool m_presetsChanged = false;
    StylePickers m_pickers = StylePickers::system();
    std::function<int(QDialog &)> m_runDialog = [](QDialog &dialog) {
        return dialog.exec();
    };
    QCheckBox *m_usePreset = nullptr;
    QComboBox *m_preset = nullptr;
    NoteStyleControls *m_style = nullptr;
};

} // namespace tabulet::ui
