#pragma once

#include "settings/colour.h"
#include "settings/fontrecord.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace tabulet::lang {
class TextTable;
}
namespace tabulet::settings {
struct Preset;
}

namespace tabulet::ui {

// A note's or a preset's own style: three colours and a font, each with its on/off flag.
struct NoteStyleChoice
{
    bool hasTitleColour = false;
    settings::Colour titleColour = 0;
    bool hasTextColour = false;
    settings::Colour textColour = 0;
    bool hasBackground = false;
    settings::Colour background = 0;
    bool hasFont = false;
    settings::FontRecord font;
};

// Where the colour and font buttons ask; the system's dialogs unless replaced (by tests).
struct StylePickers
{
    std::function<std::optional<QColor>(const QColor &current, QWidget *parent)> colour;
    std::function<std::optional<QFont>(const QFont &current, QWidget *parent)> font;

    // The colour dialog with the sixteen custom colours the editing commands share, and the font
    // dialog.
    static StylePickers system();
};

QFont toQFont(const settings::FontRecord &font);

// A small picture of a preset's colours, shown beside its name: its background (`plain` where it
// sets none), a band along the top in its tab colour when it sets one, and "Ab" in its text
// colour (`ink` where it sets none) and its font's face.
QPixmap presetSwatch(const settings::Preset &preset, const QSize &size, const QColor &plain, const QColor &ink);
settings::FontRecord toFontRecord(const QFont &font);

// The check boxes with their colour buttons and the own-font check box with its sample and
// button, shared by the note properties and the preset editor. A button works only while its
// check box is ticked; a colour button that does not shows grey.
class NoteStyleControls final : public QWidget
{
    Q_OBJECT
public:
    NoteStyleControls(lang::TextTable &texts, const NoteStyleChoice &choice, QWidget *parent = nullptr);

    NoteStyleChoice choice() const;
    void setPickers(StylePickers pickers) { m_pickers = std::move(pickers); }

private:
    struct ColourRow
    {
        QCheckBox *check = nullptr;
        QPushButton *button = nullptr;
        settings::Colour colour = 0;
    };
    ColourRow addColourRow(QGridLayout &grid, int row, const QString &text, const char *name, bool on,
                           settings::Colour colour);
    void pickColour(ColourRow &row);
    void pickFont();
    void showColour(const ColourRow &row);
    void updateEnabled();

    StylePickers m_pickers = StylePickers::system();
    ColourRow m_title;
    ColourRow m_text;
    ColourRow m_background;
    QCheckBox *m_ownFont = nullptr;
    QLabel *m_sample = nullptr;
    QPushButton *m_selectFont = nullptr;
    settings::FontRecord m_font;
    // Writes the font's name and size under the sample.
    QString m_sampleFormat;
};

} // namespace tabulet::ui
