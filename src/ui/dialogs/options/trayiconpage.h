#pragma once

#include "ui/dialogs/options/optionspage.h"

class QTreeWidget;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The tray icon page: the sixteen pictures the tray can show, with their words; the chosen row's index
// is the option "trayicon".
class TrayIconPage final : public OptionsPage
{
    Q_OBJECT
public:
    TrayIconPage(const OptionsWork &work, lang::TextTable &texts, QWidget *parent = nullptr);

    void write(OptionsWork &work) const override;

private:
    QTreeWidget *m_list;
};

} // namespace tabulet::ui
