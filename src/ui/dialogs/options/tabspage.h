#pragma once

#include "ui/dialogs/options/optionspage.h"

#include <functional>

class QCheckBox;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class FontChooser;
class NumberField;
struct OptionsServices;

// The tabs page: the tab font ("tabfont" and its size, bold and italics), the tab height
// ("tabheight", any number) and whether that font replaces the theme's ("overridetheme").
class TabsPage final : public OptionsPage
{
    Q_OBJECT
public:
    TabsPage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent = nullptr);

    bool check() override;
    void write(OptionsWork &work) const override;

private:
    lang::TextTable &m_texts;
    OptionsServices &m_services;
    FontChooser *m_font;
    NumberField *m_height;
    QCheckBox *m_override;
};

} // namespace tabulet::ui
