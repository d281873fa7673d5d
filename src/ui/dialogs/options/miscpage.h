#pragma once

#include "ui/dialogs/options/optionspage.h"

#include <array>

class QCheckBox;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The miscellaneous page: seven on/off options, one check box each.
class MiscPage final : public OptionsPage
{
    Q_OBJECT
public:
    MiscPage(const OptionsWork &work, lang::TextTable &texts, QWidget *parent = nullptr);

    void write(OptionsWork &work) const override;

private:
    std::array<QCheckBox *, 7> m_boxes{};
};

} // namespace tabulet::ui
