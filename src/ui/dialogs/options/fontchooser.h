#pragma once

#include "settings/fontrecord.h"

#include <QWidget>

class QLabel;

namespace tabulet::settings {
class Settings;
}

namespace tabulet::ui {

struct StylePickers;

// A font record kept in four options: face under `prefix`, then size, bold and italics under
// the same prefix with "size", "bold" and "italics" appended ("tabfont", "tabfontsize", ...).
settings::FontRecord fontOption(const settings::Settings &settings, const QString &prefix);
void writeFontOption(settings::Settings &settings, const QString &prefix, const settings::FontRecord &font);

// A font's sample text and the button that opens the font dialog on it.
class FontChooser final : public QWidget
{
    Q_OBJECT
public:
    // sampleFormat writes the font's name and size ("%s, %d pt"); pickers must outlive the chooser.
    FontChooser(const settings::FontRecord &font, const QString &buttonText, QString sampleFormat,
                const StylePickers &pickers, QWidget *parent = nullptr);

    const settings::FontRecord &font() const { return m_font; }

private:
    void pick();
    void showSample();

    const StylePickers &m_pickers;
    settings::FontRecord m_font;
    QString m_sampleFormat;
    QLabel *m_sample;
};

} // namespace tabulet::ui
