#pragma once

#include "settings/preset.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QLineEdit;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class NoteStyleControls;
struct StylePickers;

// The preset editor: a name and a style for a new preset. The name is taken without surrounding
// blanks and may not be empty; OK refuses a name that `takenNames` already holds (exact
// comparison, case included) and stays open.
class PresetPropertiesDialog final : public QDialog
{
    Q_OBJECT
public:
    PresetPropertiesDialog(lang::TextTable &texts, QStringList takenNames, QWidget *parent = nullptr);

    // The preset as entered; meaningful after OK.
    settings::Preset preset() const;

    void setPickers(StylePickers pickers);
    // How the refusal is told; an error message box unless replaced (by tests).
    void setTellNameUsed(std::function<void(const QString &caption, const QString &text)> tell);

    void accept() override;

private:
    lang::TextTable &m_texts;
    QStringList m_takenNames;
    QLineEdit *m_name = nullptr;
    NoteStyleControls *m_style = nullptr;
    std::function<void(const QString &, const QString &)> m_tellNameUsed;
};

} // namespace tabulet::ui
