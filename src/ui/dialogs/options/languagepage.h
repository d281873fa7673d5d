#pragma once

#include "ui/dialogs/options/optionspage.h"

class QListWidget;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

struct OptionsServices;

// The language page: the installed languages by their own names (the file as the tool tip), the
// configured file ("languagefile") selected. The choice is shown from the next start.
class LanguagePage final : public OptionsPage
{
    Q_OBJECT
public:
    // languagesFolder: the per-user folder where more language files go.
    LanguagePage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services,
                 const QString &languagesFolder, QWidget *parent = nullptr);

    // "languagefile" becomes the selected file; without a selection it stays as it was.
    void write(OptionsWork &work) const override;

private:
    QListWidget *m_list;
};

} // namespace tabulet::ui
